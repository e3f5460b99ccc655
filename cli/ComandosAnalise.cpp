#include "cli/ComandosAnalise.h"

#include "cli/comandos/ComandoAssinatura.h"
#include "cli/comandos/ComandoCompatibilidade.h"
#include "cli/comandos/ComandoNomes.h"
#include "cli/comandos/ComandoNumeros.h"
#include "cli/comandos/ComandoPrevisoes.h"
#include "cli/comandos/ComandoTexto.h"
#include "composer/ComporCorrecao.h"
#include "composer/RelatorioComposto.h"
#include "settings/Configuracao.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"

#ifdef VIDALUME_CLI_PDF
#include "cli/pdf/ComandoPdf.h"
#include "printing/painter/ExportacaoOdt.h"
#endif

#include <QDate>
#include <QFileInfo>

namespace vidalume {

namespace {

#ifndef VIDALUME_CLI_PDF
int semPdf() {
    return erro(QStringLiteral("Esta versão do programa não gera PDFs."));
}
#else
ComandoPdf::Opcoes opcoesPdf(const ContextoCli& c) {
    return {c.pasta, c.parser.isSet(c.o.capa), c.parser.isSet(c.o.colorido)};
}

// The file of --saida, checked; empty (after the message) when it is missing or refused.
QString arquivoSaida(const ContextoCli& c, const QString& faltando) {
    const QString arquivo = c.parser.value(c.o.saida);
    if (arquivo.isEmpty()) {
        erro(faltando);
        return {};
    }
    return c.alvoPermitido(arquivo) ? arquivo : QString();
}
#endif

bool jsonOuSaida(const ContextoCli& c) {
    if (c.parser.isSet(c.o.json) && c.parser.isSet(c.o.saida)) {
        erro(QStringLiteral("Use --json ou --saida, não os dois."));
        return false;
    }
    return true;
}

// Writes `relatorio` to the .pdf or .odt file named by --saida.
int gravaRelatorio(const ContextoCli& c, const RelatorioComposto& relatorio) {
#ifdef VIDALUME_CLI_PDF
    const QString arquivo = c.parser.value(c.o.saida);
    if (!c.alvoPermitido(arquivo)) {
        return 2;
    }
    const QString sufixo = QFileInfo(arquivo).suffix().toLower();
    if (sufixo != QLatin1String("pdf") && sufixo != QLatin1String("odt")) {
        return erro(QStringLiteral("Informe um arquivo .pdf ou .odt a gravar (--saida)."));
    }
    const ComandoPdf::Opcoes opcoes = opcoesPdf(c);
    QString falha;
    const bool gravou =
        sufixo == QLatin1String("pdf")
            ? ComandoPdf::gera(relatorio, arquivo, opcoes, &falha)
            : ExportacaoOdt::grava(
                  arquivo, relatorio.diagramacao(ComandoPdf::configuracaoDaPasta(opcoes)), &falha);
    return gravou ? 0 : erro(falha, 1);
#else
    return semPdf();
#endif
}

} // namespace

int ComandosAnalise::numeros(const ContextoCli& c) {
    EntradaCli entrada;
    if (!c.leEntrada(&entrada)) {
        return 2;
    }
    const int limite = OpcoesMapa::le(c.pasta).limiteTendencias;
    escreve(stdout,
            entrada.escola == EscolaCalculo::Cabalistica
                ? ComandoNumeros::jsonCabalistico(entrada, limite, HarmoniaCabalistica::le(c.pasta))
                : ComandoNumeros::json(entrada, limite));
    return 0;
}

int ComandosAnalise::texto(const ContextoCli& c) {
    EntradaCli entrada;
    if (!c.leEntrada(&entrada) || !c.temTextos()) {
        return 2;
    }
    escreve(stdout, ComandoTexto::texto(entrada, c.pasta).toUtf8());
    return 0;
}

int ComandosAnalise::pdf(const ContextoCli& c) {
#ifdef VIDALUME_CLI_PDF
    EntradaCli entrada;
    if (!c.leEntrada(&entrada) || !c.temTextos()) {
        return 2;
    }
    const QString arquivo =
        arquivoSaida(c, QStringLiteral("Informe o arquivo PDF a gravar (--saida)."));
    if (arquivo.isEmpty()) {
        return 2;
    }
    QString falha;
    return ComandoPdf::gera(entrada, arquivo, opcoesPdf(c), &falha) ? 0 : erro(falha, 1);
#else
    return semPdf();
#endif
}

int ComandosAnalise::odt(const ContextoCli& c) {
#ifdef VIDALUME_CLI_PDF
    EntradaCli entrada;
    if (!c.leEntrada(&entrada) || !c.temTextos()) {
        return 2;
    }
    const QString arquivo =
        arquivoSaida(c, QStringLiteral("Informe o arquivo .odt a gravar (--saida)."));
    if (arquivo.isEmpty()) {
        return 2;
    }
    QString falha;
    return ExportacaoOdt::grava(arquivo, ComandoPdf::diagramacao(entrada, opcoesPdf(c)), &falha)
               ? 0
               : erro(falha, 1);
#else
    return semPdf();
#endif
}

int ComandosAnalise::nomes(const ContextoCli& c) {
    QByteArray json;
    QString mensagem;
    if (!ComandoNomes::executa(c.parser.value(c.o.nascimento), c.parser.values(c.o.nome),
                               c.parser.value(c.o.hoje), QDate::currentDate(),
                               c.parser.value(c.o.escola), c.pasta, &json, &mensagem)) {
        return erro(mensagem);
    }
    escreve(stdout, json);
    return 0;
}

int ComandosAnalise::compatibilidade(const ContextoCli& c) {
    if (!jsonOuSaida(c)) {
        return 2;
    }
    LeituraCasal leitura;
    QString mensagem;
    if (!ComandoCompatibilidade::le(c.parser.value(c.o.nome), c.parser.value(c.o.nascimento),
                                    c.parser.value(c.o.nome2), c.parser.value(c.o.nascimento2),
                                    &leitura, &mensagem)) {
        return erro(mensagem);
    }
    if (c.parser.isSet(c.o.json)) {
        escreve(stdout, ComandoCompatibilidade::json(leitura));
        return 0;
    }
    if (!c.parser.isSet(c.o.saida)) {
        escreve(stdout, ComandoCompatibilidade::texto(leitura, c.pasta).toUtf8());
        return 0;
    }
#ifdef VIDALUME_CLI_PDF
    const QString arquivo = c.parser.value(c.o.saida);
    if (!c.alvoPermitido(arquivo)) {
        return 2;
    }
    QString falha;
    return ComandoPdf::gera(leitura.compoe(ArquivoInterpretacao(c.pasta)), arquivo, opcoesPdf(c),
                            &falha)
               ? 0
               : erro(falha, 1);
#else
    return semPdf();
#endif
}

int ComandosAnalise::previsoes(const ContextoCli& c) {
    EntradaCli entrada;
    if (!c.leEntrada(&entrada) || !jsonOuSaida(c)) {
        return 2;
    }
    int ano = 0;
    QString mensagem;
    if (!ComandoPrevisoes::leAno(c.parser.value(c.o.ano), entrada.referencia, entrada.nascimento,
                                 &ano, &mensagem)) {
        return erro(mensagem);
    }
    if (c.parser.isSet(c.o.json)) {
        escreve(stdout, ComandoPrevisoes::json(entrada, ano));
        return 0;
    }
    const RelatorioComposto relatorio =
        RelatorioComposto::de(ComandoPrevisoes::compoe(entrada, ano, c.pasta));
    if (!c.parser.isSet(c.o.saida)) {
        escreve(stdout, relatorio.texto(Configuracao()).toUtf8());
        return 0;
    }
    return gravaRelatorio(c, relatorio);
}

int ComandosAnalise::assinatura(const ContextoCli& c) {
    EntradaCli entrada;
    if (!c.leEntrada(&entrada) || !jsonOuSaida(c)) {
        return 2;
    }
    CorrecaoNome::Pedido pedido;
    int maximo = 0;
    QString mensagem;
    if (!ComandoAssinatura::leOpcoes(c.parser.value(c.o.mudancas), c.parser.value(c.o.sem),
                                     c.parser.value(c.o.maximo), &pedido.opcoes, &maximo,
                                     &mensagem)) {
        return erro(mensagem);
    }
    const int limite = OpcoesMapa::le(c.pasta).limiteTendencias;
    pedido.nome = entrada.nomeDigitado;
    pedido.nascimento = entrada.nascimento;
    pedido.regras = entrada.regras(limite);
    pedido.tabela = HarmoniaCabalistica::le(c.pasta);
    const CorrecaoNome estudo = CorrecaoNome::calcula(pedido);
    if (c.parser.isSet(c.o.saida)) {
        if (!c.temTextos()) {
            return 2;
        }
        // The report shows the best spellings, as many as the table would show up to five.
        QList<int> escolhidos;
        for (int i : ComandoAssinatura::mostrados(estudo, maximo)) {
            if (!estudo.candidatos[i].original) {
                escolhidos << i;
            }
        }
        return gravaRelatorio(
            c, ComporCorrecao::compoe(estudo, escolhidos, ArquivoInterpretacao(c.pasta)));
    }
    escreve(stdout, c.parser.isSet(c.o.json)
                        ? ComandoAssinatura::json(estudo, entrada, limite, pedido.tabela, maximo)
                        : ComandoAssinatura::texto(estudo, maximo).toUtf8());
    return 0;
}

} // namespace vidalume
