// The picture of a section, whichever it is: the one place the layouts ask for its height
// and have it drawn, so that each kind of picture (QuadroSecao::Tipo) is a class of its own.
#pragma once

#include "composer/QuadroSecao.h"
#include "report/SuperficieDesenho.h"

namespace vidalume {

class QuadrosSecao {
public:
    // The height of the picture `largura` millimetres wide; 0 when there is nothing to draw.
    static double altura(const QuadroSecao& quadro, const SuperficieDesenho& superficie,
                         double largura);
    // The pictures `quadro` is drawn as, each kept whole on a page: itself, or for a letter
    // chart taller than `alturaMaxima`, its bands of rows (QuadroSecao::parte naming the
    // rows), each at most that high.
    static QList<QuadroSecao> partes(const QuadroSecao& quadro, const SuperficieDesenho& superficie,
                                     double largura, double alturaMaxima);
    // Draws it with its top-left corner at (x, yTopo); the surface's font, colour and
    // position are as before afterwards.
    static void desenha(const QuadroSecao& quadro, SuperficieDesenho& superficie, double x,
                        double yTopo, double largura);
};

} // namespace vidalume
