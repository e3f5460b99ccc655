// The four triangles of one spelling of a name, one under the other, each under its caption
// ("Triângulo da Vida", "Triângulo Pessoal", "Triângulo Social", "Triângulo do Destino"),
// drawn by QuadroPiramide as whole triangles as wide as the picture allows. A triangle that
// is the Triângulo da Vida again (its digit added is 9) is not drawn twice: its caption says
// so. Used where a candidate of the name correction is shown beside others.
#pragma once

#include "engine/PiramideNome.h"
#include "report/SuperficieDesenho.h"

#include <QStringList>

namespace vidalume {

class QuadroTriangulosNome {
public:
    static constexpr double kAlturaTitulo = 6; // mm: a caption line
    static constexpr double kEspaco = 4;       // mm: between two triangles
    static constexpr double kPontosTitulo = 9;

    // `letras`: the letter over each digit of the base row, as typed.
    QuadroTriangulosNome(const PiramideNome& piramide, const QStringList& letras)
        : piramide_(piramide), letras_(letras) {}

    // The caption of triangle `t`, with the remark when it is the Vida triangle again.
    QString titulo(int t) const;
    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws the four with the top-left corner at (x, yTopo), `largura` wide; the surface's
    // font, colour and position are as they were afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

private:
    const PiramideNome& piramide_;
    const QStringList& letras_;
};

} // namespace vidalume
