// The inclusion chart as a picture: a 3 x 3 grid of the digits 1 to 9 (1 2 3 on top), each
// cell with its digit in the corner and in its middle how many letters of the name have that
// value; the cells of the missing digits (the karmic lessons) are shaded. A legend line
// follows when there is one. Every size is fixed in millimetres.
#pragma once

#include "report/SuperficieDesenho.h"

#include <QString>

#include <array>

namespace vidalume {

class QuadroInclusao {
public:
    static constexpr double kLarguraCelula = 20;
    static constexpr double kAlturaCelula = 13;
    static constexpr double kTraco = 0.3;
    static constexpr double kLinhaLegenda = 7;
    static constexpr double kPontosDigito = 8, kPontosContagem = 16, kPontosLegenda = 9;
    static constexpr quint32 kCinza = 0xFFD0D0D0;

    // `inclusao[d - 1]` is the count of the digit d.
    QuadroInclusao(const std::array<int, 9>& inclusao, const QString& legenda)
        : inclusao_(inclusao), legenda_(legenda) {}

    // The height of the picture (it is 3 cells wide whatever `largura`).
    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws the picture with its top-left corner at (x, yTopo). The surface's font, fore
    // colour and current position are as before afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

private:
    const std::array<int, 9>& inclusao_;
    const QString& legenda_;
};

} // namespace vidalume
