// The frames of the start-up animation: the cover picture grows from the centre of its box
// to almost the whole box in about 3.5 seconds, one frame every 0.15 second.
#pragma once

#include <QList>
#include <QRectF>

namespace vidalume {

class AnimacaoEntrada {
public:
    static constexpr double kDuracaoSegundos = 3.5;
    static constexpr int kIntervaloMs = 150;
    static constexpr int kEsperaFinalMs = 1000;
    static constexpr double kLadoMinimoTwips = 40;

    // Where the picture is painted in each frame, in twips inside a square box `ladoTwips`
    // wide. The first frame is a 40-twip square whose top-left corner is the centre of the
    // box; every later one is centred on the box.
    static QList<QRectF> quadros(double ladoTwips);
};

} // namespace vidalume
