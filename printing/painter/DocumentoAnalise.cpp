#include "printing/painter/DocumentoAnalise.h"

#include "composer/ComporAnalise.h"
#include "printing/painter/FigurasCinza.h"
#include "printing/painter/FolhasImpressora.h"
#include "report/LayoutAnalise.h"
#include "report/painter/FigurasSvg.h"
#include "texts/ArquivoInterpretacao.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vidalume {

const QString DocumentoAnalise::kSemEspaco =
    QStringLiteral("As margens não deixam espaço para o texto na página. Diminua as margens e "
                   "imprima novamente.");

namespace {

ParametrosLayout parametros(const PedidoImpressao& pedido, const QRectF& area) {
    ParametrosLayout p;
    p.larguraPagina = area.width();
    p.alturaPagina = area.height();
    p.margens = pedido.margens;
    p.folhaRosto = pedido.folhaRosto;
    p.configuracao = pedido.configuracao;
    p.selecao = pedido.selecao;
    p.fontes = pedido.fontes;
    p.linhas = pedido.linhas;
    p.NomeAnalise = pedido.NomeAnalise;
    p.DataNascimento = pedido.DataNascimento;
    return p;
}

// Whether the margins leave the text a column and a band of at least kMinimoTexto mm on the
// first page; margins that leave none would give a document of one character per line.
bool cabeTexto(const ParametrosLayout& p) {
    constexpr double kMinimoTexto = 10;
    const Margens& m = p.margens;
    const double coluna =
        p.larguraPagina - m.MargemEsquerda - m.MargemDireita - 2 * LayoutAnalise::kMargemTexto;
    const double faixa = p.limiteTexto() - m.MargemSuperior - NovaPagina::kAlturaCabecalho;
    return coluna >= kMinimoTexto && faixa >= kMinimoTexto;
}

} // namespace

bool DocumentoAnalise::cabe(const QRectF& areaMm, const PedidoImpressao& pedido) {
    return cabeTexto(parametros(pedido, areaMm));
}

DocumentoAnalise::Resultado DocumentoAnalise::desenha(QPagedPaintDevice& destino,
                                                      const QRectF& areaMm,
                                                      const PedidoImpressao& pedido) {
    const ParametrosLayout p = parametros(pedido, areaMm);
    if (!cabeTexto(p)) {
        return Resultado::SemEspaco;
    }
    const Analise analise =
        ComporAnalise::compoe(pedido.NomeAnalise, pedido.DataNascimento, pedido.hoje,
                              pedido.referencia, ArquivoInterpretacao(pedido.pastaPrograma));
    QPainter pintor;
    if (!pintor.begin(&destino)) {
        return Resultado::NaoComecou;
    }
    FigurasSvg& figuras = pedido.pretoEmBranco ? FigurasCinza::daPasta(pedido.pastaPrograma)
                                               : FigurasSvg::daPasta(pedido.pastaPrograma);
    FolhasImpressora folhas(pintor, destino, areaMm, figuras);
    LayoutAnalise(p).dispoe(analise, folhas);
    folhas.conclui();
    const bool terminou = pintor.end();
    return folhas.falhou() || !terminou ? Resultado::FalhouNoFim : Resultado::Feito;
}

} // namespace vidalume
