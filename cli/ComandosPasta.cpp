#include "cli/ComandosPasta.h"

#include "cli/comandos/ComandoCopia.h"
#include "clients/FichaClientes.h"
#include "engine/EntradaDados.h"

#ifdef VIDALUME_CLI_PDF
#include "cli/pdf/ComandoLote.h"
#include "cli/pdf/ComandoPdf.h"
#endif

#include <QDate>
#include <QDateTime>

namespace vidalume {

int ComandosPasta::clientes(const ContextoCli& c) {
    const QString acao = c.argumento(1);
    const QString arquivo = c.argumento(2);
    if (acao == QLatin1String("importar")) {
        return conclui(ComandoClientes::importa(arquivo, c.pasta));
    }
    if (acao == QLatin1String("listar")) {
        return conclui(ComandoClientes::lista(c.parser.value(c.o.busca), c.pasta));
    }
    if (acao == QLatin1String("exportar")) {
        if (!arquivo.isEmpty() && !c.alvoPermitido(arquivo, false)) {
            return 2;
        }
        return conclui(ComandoClientes::exporta(arquivo, c.pasta));
    }
    return erro(QStringLiteral("Use clientes importar, listar ou exportar (veja --help)."));
}

int ComandosPasta::copia(const ContextoCli& c) {
    const QString acao = c.argumento(1);
    const QString arquivo = c.argumento(2);
    if (acao == QLatin1String("fazer")) {
        if (!arquivo.isEmpty() && !c.alvoPermitido(arquivo, false)) {
            return 2;
        }
        return conclui(ComandoCopia::faz(arquivo, c.pasta, QDateTime::currentDateTime()));
    }
    if (acao == QLatin1String("restaurar")) {
        return conclui(ComandoCopia::restaura(arquivo, c.pasta, c.parser.isSet(c.o.semClientes),
                                              c.parser.isSet(c.o.soClientes),
                                              QDateTime::currentDateTime()));
    }
    return erro(QStringLiteral("Use copia fazer ou copia restaurar (veja --help)."));
}

int ComandosPasta::lote(const ContextoCli& c) {
#ifdef VIDALUME_CLI_PDF
    const QString lista = c.argumento(1);
    if (lista.isEmpty() && !c.parser.isSet(c.o.clientes)) {
        return erro(QStringLiteral("Informe o arquivo CSV com as linhas \"nome;nascimento\"."));
    }
    const QString saida = c.parser.value(c.o.saida);
    if (saida.isEmpty()) {
        return erro(QStringLiteral("Informe a pasta onde gravar os PDFs (--saida)."));
    }
    if (!c.temTextos()) {
        return 2;
    }
    const ComandoLote::Datas datas{c.parser.value(c.o.hoje), c.parser.value(c.o.referencia),
                                   QDate::currentDate(), c.parser.value(c.o.escola)};
    QString falhaEscola;
    if (EntradaCli escola; !escola.defineEscola(datas.escolaTexto, c.pasta, &falhaEscola)) {
        return erro(falhaEscola);
    }
    const std::pair<QString, QString> datasDigitadas[] = {
        {datas.hojeTexto, QStringLiteral("--hoje")},
        {datas.referenciaTexto, QStringLiteral("--referencia")}};
    for (const auto& [data, opcao] : datasDigitadas) {
        if (!data.isEmpty() && !EntradaDados::leData(data)) {
            return erro(EntradaDados::mensagemOutraData(opcao));
        }
    }
    const ComandoPdf::Opcoes opcoes{c.pasta, c.parser.isSet(c.o.capa),
                                    c.parser.isSet(c.o.colorido)};
    const auto relata = [](const QString& linha) { erro(linha); };
    if (!c.parser.isSet(c.o.clientes)) {
        return ComandoLote::executa(lista, saida, datas, opcoes, relata);
    }
    FichaClientes ficha;
    QString falha;
    if (!ficha.abre(opcoes.pasta, FichaClientes::Modo::Leitura, &falha)) {
        return erro(falha);
    }
    const std::vector<Cliente> clientes = ficha.busca(c.parser.value(c.o.busca), &falha);
    if (!falha.isEmpty()) {
        return erro(falha);
    }
    return ComandoLote::executaClientes(clientes, saida, datas, opcoes, relata);
#else
    return erro(QStringLiteral("Esta versão do programa não gera PDFs."));
#endif
}

} // namespace vidalume
