// The font, fore colour and position of a drawing surface, kept when made and given back
// when destroyed: a picture drawn in the middle of a page leaves the surface as it found it.
#pragma once

#include "report/SuperficieDesenho.h"

namespace vidalume {

class EstadoSuperficie {
public:
    explicit EstadoSuperficie(SuperficieDesenho& superficie);
    ~EstadoSuperficie();
    EstadoSuperficie(const EstadoSuperficie&) = delete;
    EstadoSuperficie& operator=(const EstadoSuperficie&) = delete;

    // Draws `texto` with its top-left corner at (x, y).
    static void escreveEm(SuperficieDesenho& superficie, double x, double y, const QString& texto);

private:
    SuperficieDesenho& s_;
    const FonteSuperficie fonte_;
    const quint32 cor_;
    const double x_, y_;
};

} // namespace vidalume
