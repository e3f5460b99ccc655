// The timeline of the Arcanos de Passagem, or a part of it: the periods in order, a box
// each, up to five to a row, each with its arcanum, its ages and its years; the period the
// person is living is shaded and marked. Drawn with the surface's rectangles and strings
// only; the picture is never split across pages (the composer cuts a long timeline into
// parts, each one of these pictures).
#pragma once

#include "composer/QuadroSecao.h"
#include "report/SuperficieDesenho.h"

namespace vidalume {

class QuadroArcanos {
public:
    static constexpr int kPorLinha = 5;
    static constexpr double kAlturaCaixa = 19; // mm: one row of boxes
    static constexpr double kEspaco = 1.5;     // mm: between boxes
    static constexpr double kEspessura = 0.25; // mm: the box outlines
    static constexpr double kPontosArcano = 14;
    static constexpr double kPontosRotulo = 7;
    static constexpr quint32 kSombra = 0xFFE0E0E0; // behind the current period

    explicit QuadroArcanos(const QList<QuadroSecao::Periodo>& periodos) : p_(periodos) {}

    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws it with its top-left corner at (x, yTopo), `largura` wide; the surface's font,
    // colour and position are as they were afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

private:
    void caixa(SuperficieDesenho& s, const QuadroSecao::Periodo& periodo, double x, double y,
               double largura) const;

    const QList<QuadroSecao::Periodo>& p_;
};

} // namespace vidalume
