#include "printing/painter/DocumentoAnalise.h"

#include "printing/painter/FigurasCinza.h"
#include "printing/painter/FolhasImpressora.h"
#include "report/LayoutAnalise.h"
#include "report/NovaPagina.h"
#include "report/Relatorio.h"
#include "report/painter/FigurasSvg.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vidalume {

const QString DocumentoAnalise::kSemEspaco =
    QStringLiteral("As margens não deixam espaço para o texto na página. Diminua as margens e "
                   "imprima novamente.");

bool DocumentoAnalise::cabe(const QRectF& areaMm, const Diagramacao& d) {
    // Margins that leave no column or band of at least this much would give a document of
    // one character per line.
    constexpr double kMinimoTexto = 10;
    const Margens& m = d.margens;
    const double coluna =
        areaMm.width() - m.MargemEsquerda - m.MargemDireita - 2 * LayoutAnalise::kMargemTexto;
    const double faixa = LayoutAnalise::limiteTexto(areaMm.height(), m) - m.MargemSuperior -
                         NovaPagina::kAlturaCabecalho;
    return coluna >= kMinimoTexto && faixa >= kMinimoTexto;
}

bool DocumentoAnalise::desenha(QPainter& pintor, QPagedPaintDevice& destino, const QRectF& areaMm,
                               const Diagramacao& d, QString* erro) {
    if (!cabe(areaMm, d)) {
        pintor.end();
        *erro = kSemEspaco;
        return false;
    }
    FigurasSvg& figuras = d.pretoEmBranco ? FigurasCinza::daPasta(d.pastaPrograma)
                                          : FigurasSvg::daPasta(d.pastaPrograma);
    FolhasImpressora folhas(pintor, destino, areaMm, figuras);
    Relatorio::de(d).dispoe(d, folhas, areaMm.width(), areaMm.height());
    folhas.conclui();
    const bool terminou = pintor.end();
    if (folhas.falhou() || !terminou) {
        *erro = QStringLiteral("uma página não pôde ser desenhada.");
        return false;
    }
    return true;
}

} // namespace vidalume
