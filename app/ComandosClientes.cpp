#include "app/ComandosClientes.h"

#include "composer/ComporAnalise.h"
#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "engine/Windows1252.h"
#include "printing/NomeArquivoPdf.h"
#include "printing/painter/GravacaoPdf.h"
#include "settings/Margens.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/GravacaoSegura.h"

#include <QDir>

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
    l.geraPdf = [this](const Cliente& cliente, const QString& pasta, bool substitui,
                       QString* falha) {
        QString nome;
        return geraPdf(cliente, pasta, substitui, &nome, falha) ? nome : QString();
    };
    l.nomePdf = [](const Cliente& cliente) { return nomePdf(cliente); };
    l.feitoPeloPrograma = GravacaoPdf::feitoPeloPrograma;
    l.escolheCsv = [this](QWidget* pai, bool salvar) {
        const auto& escolhe = c_.servicos().escolheCsv;
        const QString arquivo = escolhe ? escolhe(pai, salvar) : QString();
        return salvar && c_.recusaArquivoProprio(arquivo) ? QString() : arquivo;
    };
    l.escolhePasta = c_.servicos().escolhePasta;
    l.abreEndereco = c_.servicos().abreEndereco;
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
    a.escola = pedido.Escola;
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
    const QString nome = Windows1252::restringe(cliente.nome);
    return {RegrasCalculo::pitagorica().normalizaNome(nome),
            EntradaDados::formataData(cliente.nascimento), analise.referencia,
            RegrasCalculo::maiusculas(nome), analise.escola};
}

// The PDF of the client's analysis for today, with the program's settings, margins and print
// options: over the file of its name when `substitui`, else under a free name.
QString ComandosClientes::nomePdf(const Cliente& cliente) {
    const AnalisePedida pedido = pedidoDe(cliente, AnaliseCliente());
    return NomeArquivoPdf::sugere(pedido.NomeAnalise, pedido.DataNascimento);
}

bool ComandosClientes::geraPdf(const Cliente& cliente, const QString& pasta, bool substitui,
                               QString* nome, QString* erro) const {
    Padrao p = c_.padrao();
    p.Pedido = pedidoDe(cliente, AnaliseCliente());
    p.Analise = ComporAnalise::compoe(p.Pedido.NomeAnalise, p.Pedido.DataNascimento, c_.hoje(),
                                      ArquivoInterpretacao(c_.pasta()), p.OpcoesMapa);
    Diagramacao d = p.diagramacao(c_.pasta());
    d.margens = Margens::le(c_.pasta());
    // A batch of the client file puts each client's name and birth date in a file name and on
    // its pages: readable by its owner only, as the client file is.
    const QString sugestao = nomePdf(cliente);
    GravacaoSegura saida(QDir(pasta).filePath(sugestao),
                         substitui ? GravacaoSegura::Destino::Substitui
                                   : GravacaoSegura::Destino::NomeNovo,
                         GravacaoSegura::Acesso::SoDono);
    if (!GravacaoPdf::escreve(saida, d, erro)) {
        return false;
    }
    if (!substitui) {
        return GravacaoPdf::concluiComNomeLivre(saida, pasta, sugestao, nome, erro);
    }
    *nome = sugestao;
    QString motivo;
    if (!saida.conclui(&motivo)) {
        *erro = GravacaoPdf::naoTerminou(saida.caminho(), motivo);
        return false;
    }
    return true;
}

} // namespace vidalume
