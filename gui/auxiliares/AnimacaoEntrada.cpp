#include "gui/auxiliares/AnimacaoEntrada.h"

#include <algorithm>
#include <cmath>

namespace vidalume {

QList<QRectF> AnimacaoEntrada::quadros(double ladoTwips) {
    const double metade = ladoTwips / 2;
    const double passo = metade * (kIntervaloMs / 1000.0) / kDuracaoSegundos;
    const double inicio = std::floor(metade);
    QList<QRectF> lista;
    if (!(passo > 0)) {
        // A box without size has nothing to grow: one frame at its corner.
        lista.append(QRectF(0, 0, kLadoMinimoTwips, kLadoMinimoTwips));
        return lista;
    }
    // The corner walks from the centre towards the top-left corner of the box, one step per
    // frame, while the side grows by two steps.
    for (int k = 0;; ++k) {
        const double canto = inicio - k * passo;
        if (canto < 0) {
            break;
        }
        const double lado = std::max(2 * (metade - canto), kLadoMinimoTwips);
        lista.append(QRectF(canto, canto, lado, lado));
    }
    return lista;
}

} // namespace vidalume
