#include "app/ComandosClientes.h"

#include "composer/ComporAnalise.h"
#include "engine/EntradaDados.h"
#include "engine/Windows1252.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/GravacaoPdf.h"
#include "settings/Margens.h"
#include "texts/ArquivoInterpretacao.h"

namespace vidalume {

ComandosClientes::Resultado ComandosClientes::abre() {
    FichaClientes ficha;
    QString erro;
    if (!ficha.abre(c_.pasta(), FichaClientes::Modo::Escrita, &erro)) {
        c_.informa(QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return {};
    }
    LigacoesClientes l;
    l.hoje = [this] { return c_.hoje(); };
    l.geraPdf = [this](const Cliente& cliente, const QString& pasta, QString* falha) {
        QString nome;
        return geraPdf(cliente, pasta, &nome, falha) ? nome : QString();
    };
    l.escolheCsv = c_.servicos().escolheCsv;
    l.escolhePasta = c_.servicos().escolhePasta;
    frmClientes janela(ficha, *c_.servicos().mensagens, std::move(l), c_.janela());
    c_.exibe(janela);
    return {janela.pedido(), janela.clientePedido(), janela.analisePedida()};
}

void ComandosClientes::guardaNaFicha(const QString& nomeDigitado) {
    const AnalisePedida& pedido = c_.padrao().Pedido;
    FichaClientes ficha;
    Cliente c;
    c.nome = nomeDigitado;
    c.nascimento = EntradaDados::leData(pedido.DataNascimento).value_or(QDate());
    AnaliseCliente a;
    a.feita = QDateTime(c_.hoje(), QTime::currentTime());
    a.referencia = pedido.DataReferencia;
    QString erro;
    bool jaExistia = false;
    if (ficha.abre(c_.pasta(), FichaClientes::Modo::Escrita, &erro) &&
        ficha.guarda(c, &jaExistia, &erro)) {
        a.cliente = c.id;
        if (ficha.registraAnalise(a, &erro)) {
            return;
        }
    }
    c_.informa(QStringLiteral("Atenção:"),
               QStringLiteral("A análise será exibida, mas não foi guardada na ficha de "
                              "clientes.\n\n") +
                   erro,
               Mensagens::Icone::Exclamacao);
}

AnalisePedida ComandosClientes::pedidoDe(const Cliente& cliente, const AnaliseCliente& analise) {
    return {EntradaDados::normalizaNome(Windows1252::restringe(cliente.nome)),
            EntradaDados::formataData(cliente.nascimento), analise.referencia};
}

// The PDF of the client's analysis for today, with the program's settings, margins and print
// options.
bool ComandosClientes::geraPdf(const Cliente& cliente, const QString& pasta, QString* nome,
                               QString* erro) const {
    Padrao p = c_.padrao();
    p.Pedido = pedidoDe(cliente, AnaliseCliente());
    p.Analise = ComporAnalise::compoe(p.Pedido.NomeAnalise, p.Pedido.DataNascimento, c_.hoje(),
                                      ArquivoInterpretacao(c_.pasta()), p.OpcoesMapa);
    Diagramacao d = p.diagramacao(c_.pasta());
    d.margens = Margens::le(c_.pasta());
    return GravacaoPdf::gravaComNomeLivre(
        pasta, NomeArquivoPdf::sugere(d.NomeAnalise, d.DataNascimento), d, nome, erro);
}

} // namespace vidalume
