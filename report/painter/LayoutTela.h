// The screen layout of an analysis: lays the composed analysis (or the forecast of a year it
// carries) out into finished page pictures for a report window.
//
// Each page is recorded in millimetres: the origin is the page's top-left corner, x grows to
// the right and y downwards, and the page is larguraMm wide and as high as an A4 sheet. Paper is
// not painted: paint the page's background (the window colour) first, then the page scaled to the
// screen, for example with pinta():
//
//     QPainter p(widget);
//     p.fillRect(rectOfThePage, palette().window());
//     LayoutTela::pinta(p, pagina, pixelsPorMm); // scale(pixelsPorMm) and replay
//
// Pages are vector drawings: they stay sharp at any scale and on high-density screens, and a
// page takes a few dozen kilobytes.
#pragma once

#include "composer/Diagramacao.h"
#include "report/FolhaA4.h"
#include "report/painter/PaginaGravada.h"

#include <QColor>
#include <QList>
#include <QString>

class QPainter;

namespace vidalume {

class LayoutTela {
public:
    // The pages of the analysis, page 1 first; as many as the analysis needs, each
    // `larguraMm` wide and as high as an A4 sheet. Screen pages have their own margins
    // (10, 5, 10, 5 mm) and no cover, whatever `diagramacao` holds; the pictures are read
    // from the folder "imagens" inside its program folder; text and rules are drawn in
    // `corTexto`.
    static QList<PaginaGravada> ImprimirAnaliseNoMonitor(const Diagramacao& diagramacao,
                                                         double larguraMm,
                                                         const QColor& corTexto = Qt::black);

    // Paints a page with its top-left corner at the painter's origin, `pixelsPorMm` painter
    // units per millimetre, with antialiased text and lines.
    static void pinta(QPainter& pintor, const PaginaGravada& pagina, double pixelsPorMm);
};

} // namespace vidalume
