// What the report window needs from the screen layout: the finished pages of one analysis.
//
// A page is a drawing of W x 297 millimetres with its origin at the page's top left corner,
// recorded in `unidadesPorMm` units per millimetre. The window replays it scaled to
// the screen, so it stays sharp at any pixel density.
#pragma once

#include "composer/Diagramacao.h"
#include "report/painter/PaginaGravada.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

namespace vidalume {

struct PaginasProntas {
    QList<PaginaGravada> paginas;
    double unidadesPorMm = 1.0;
    // How many A4 sheets the same document takes when printed with the print settings; the
    // screen pages have their own width, so the two counts differ. 0 when not counted.
    int paginasPapel = 0;
};

// The pages of `diagramacao`, `larguraMm` wide, its text in `corTexto` (the text colour of
// the screen's windows).
using FonteDePaginas = std::function<PaginasProntas(const Diagramacao& diagramacao, float larguraMm,
                                                    const QColor& corTexto)>;

} // namespace vidalume
