// The pictures of the pages in shades of grey, for black-and-white printing: the SVG files
// of the folder "imagens" with every colour (fills, strokes and gradient stops alike) turned
// into its grey as they are read, so that they stay vector drawings. The printer's own grey
// mode leaves gradients in colour.
#pragma once

#include "report/painter/FigurasSvg.h"

#include <QByteArray>
#include <QString>

namespace vidalume {

class FigurasCinza {
public:
    // The shared grey pictures of a program folder, one set per thread (see
    // FigurasSvg::daPasta).
    static FigurasSvg& daPasta(const QString& pastaPrograma);

    // The SVG text with every colour written as "#rrggbb" or "#rgb", and every colour name
    // given to fill, stroke, stop-color or color, replaced by its grey.
    static QByteArray emCinza(const QByteArray& svg);
};

} // namespace vidalume
