#include "report/QuadroInclusao.h"

#include "report/EstadoSuperficie.h"

namespace vidalume {

double QuadroInclusao::altura(const SuperficieDesenho&, double) const {
    return 3 * kAlturaCelula + kTraco + (legenda_.isEmpty() ? 0 : kLinhaLegenda);
}

void QuadroInclusao::desenha(SuperficieDesenho& s, double x, double yTopo, double) const {
    const EstadoSuperficie estado(s);

    s.DefineCorFrente(kCinza);
    for (int d = 1; d <= 9; ++d) {
        if (inclusao_[d - 1] == 0) {
            const double xc = x + ((d - 1) % 3) * kLarguraCelula;
            const double yc = yTopo + ((d - 1) / 3) * kAlturaCelula;
            s.Retangulo(xc, yc, xc + kLarguraCelula, yc + kAlturaCelula);
        }
    }
    s.DefineCorFrente(SuperficieDesenho::kPreto);
    const double larguraGrade = 3 * kLarguraCelula;
    const double alturaGrade = 3 * kAlturaCelula;
    for (int i = 0; i <= 3; ++i) {
        const double yl = yTopo + i * kAlturaCelula;
        s.Retangulo(x, yl, x + larguraGrade + kTraco, yl + kTraco);
        const double xl = x + i * kLarguraCelula;
        s.Retangulo(xl, yTopo, xl + kTraco, yTopo + alturaGrade + kTraco);
    }
    s.DefineItalico(false);
    for (int d = 1; d <= 9; ++d) {
        const double xc = x + ((d - 1) % 3) * kLarguraCelula;
        const double yc = yTopo + ((d - 1) / 3) * kAlturaCelula;
        s.DefineNegrito(false);
        s.DefineTamanhoFonte(kPontosDigito);
        s.DefineX(xc + 1.2);
        s.DefineY(yc + 0.8);
        s.Escreve(QString::number(d));
        s.DefineNegrito(true);
        s.DefineTamanhoFonte(kPontosContagem);
        const QString contagem = QString::number(inclusao_[d - 1]);
        s.DefineX(xc + (kLarguraCelula - s.LarguraTexto(contagem)) / 2);
        s.DefineY(yc + (kAlturaCelula - s.AlturaTexto(contagem)) / 2 + 0.8);
        s.Escreve(contagem);
    }
    if (!legenda_.isEmpty()) {
        s.DefineNegrito(false);
        s.DefineItalico(true);
        s.DefineTamanhoFonte(kPontosLegenda);
        s.DefineX(x);
        s.DefineY(yTopo + alturaGrade + kTraco + 1.5);
        s.Escreve(legenda_);
    }
}

} // namespace vidalume
