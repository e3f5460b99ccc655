#include "report/QuadroTriangulosNome.h"

#include "report/EstadoSuperficie.h"
#include "report/QuadroPiramide.h"

namespace vidalume {

namespace {

const QuadroSecao::Parte kInteiro{};

double alturaTriangulo(const PiramideNome& p, int t, const QStringList& letras,
                       const SuperficieDesenho& s, double largura) {
    return p.igualAVida(PiramideNome::Tipo(t))
               ? 0
               : QuadroPiramide(p.triangulos[t], letras, kInteiro).altura(s, largura);
}

} // namespace

QString QuadroTriangulosNome::titulo(int t) const {
    static const char* const kNomes[] = {"Triângulo da Vida", "Triângulo Pessoal",
                                         "Triângulo Social", "Triângulo do Destino"};
    const QString nome = QString::fromUtf8(kNomes[t]);
    return piramide_.igualAVida(PiramideNome::Tipo(t))
               ? nome + QStringLiteral(": igual ao Triângulo da Vida (o número somado a cada "
                                       "letra é 9)")
               : nome;
}

double QuadroTriangulosNome::altura(const SuperficieDesenho& s, double largura) const {
    double total = 0;
    for (int t = 0; t < PiramideNome::kTotalTriangulos; ++t) {
        total += kAlturaTitulo + alturaTriangulo(piramide_, t, letras_, s, largura) + kEspaco;
    }
    return total - kEspaco;
}

void QuadroTriangulosNome::desenha(SuperficieDesenho& s, double x, double yTopo,
                                   double largura) const {
    const EstadoSuperficie antes(s);
    double y = yTopo;
    for (int t = 0; t < PiramideNome::kTotalTriangulos; ++t) {
        s.DefineCorFrente(SuperficieDesenho::kPreto);
        s.DefineTamanhoFonte(kPontosTitulo);
        s.DefineNegrito(true);
        s.DefineItalico(false);
        s.DefineX(x);
        s.DefineY(y);
        s.Escreve(titulo(t));
        y += kAlturaTitulo;
        if (!piramide_.igualAVida(PiramideNome::Tipo(t))) {
            const QuadroPiramide quadro(piramide_.triangulos[t], letras_, kInteiro);
            quadro.desenha(s, x, y, largura);
            y += quadro.altura(s, largura);
        }
        y += kEspaco;
    }
}

} // namespace vidalume
