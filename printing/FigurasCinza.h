// The pictures of the pages in shades of grey, for black-and-white printing: grey copies of
// the SVG files of the folder "imagens", with every colour (fills, strokes and gradient
// stops alike) turned into its grey, so that they stay vector drawings. The printer's own
// grey mode leaves gradients in colour.
#pragma once

#include "FigurasSvg.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace vidalume {

class FigurasCinza {
public:
    // Makes the grey copies of the pictures of `pastaPrograma` in a folder of its own, which
    // lives as long as this object.
    explicit FigurasCinza(const QString& pastaPrograma);

    // The grey pictures; null when their folder could not be made.
    FigurasSvg* figuras() { return figuras_.get(); }

    // The SVG text with every colour written as "#rrggbb" or "#rgb", and every colour name
    // given to fill, stroke, stop-color or color, replaced by its grey.
    static QByteArray emCinza(const QByteArray& svg);

private:
    QTemporaryDir pasta_;
    std::unique_ptr<FigurasSvg> figuras_;
};

} // namespace vidalume
