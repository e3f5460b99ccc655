// The calendar picture of one month: a row of weekday letters (D S T Q Q S S, the week
// starting on Sunday), then one row per week, each day in its cell with its date in small
// figures at the top left and its personal day in large figures in the middle. Drawn with
// the surface's rectangles and strings only, so it is the same on screen, paper and PDF.
// The picture is as high as its rows need and is never split: the caller keeps it whole on
// one page.
#pragma once

#include "engine/CalendarioMes.h"
#include "report/SuperficieDesenho.h"

namespace vidalume {

class QuadroCalendario {
public:
    static constexpr double kAlturaCabecalho = 6; // mm: the weekday letters
    static constexpr double kAlturaSemana = 11;   // mm: one row of days
    static constexpr double kEspessura = 0.2;     // mm: the grid lines
    static constexpr double kTamanhoData = 8;     // points
    static constexpr double kTamanhoNumero = 14;  // points
    static const QString kLetrasSemana;           // "DSTQQSS"

    explicit QuadroCalendario(CalendarioMes calendario) : c_(std::move(calendario)) {}

    // The height of the picture `largura` wide: the weekday row and one row per week.
    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws the picture with its top-left corner at (x, yTopo), `largura` wide, in the
    // surface's face and fore colour; the surface's font, colour and position are as they
    // were afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

private:
    CalendarioMes c_;
};

} // namespace vidalume
