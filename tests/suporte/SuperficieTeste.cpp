#include "tests/suporte/SuperficieTeste.h"

namespace vidalume {

SuperficieTeste::SuperficieTeste(double largura, double altura, double larguraPorPonto,
                                 double alturaPorPonto)
    : largura_(largura), altura_(altura), larguraPorPonto_(larguraPorPonto),
      alturaPorPonto_(alturaPorPonto) {}

double SuperficieTeste::LarguraTexto(const QString& texto) const {
    ++medicoes_;
    return texto.size() * larguraCaractere();
}

double SuperficieTeste::AlturaTexto(const QString&) const {
    return alturaPorPonto_ * TamanhoFonte();
}

void SuperficieTeste::Retangulo(double x1, double y1, double x2, double y2) {
    retangulos_.append({x1, y1, x2, y2, CorFrente()});
}

void SuperficieTeste::Elipse(double x1, double y1, double x2, double y2, double) {
    elipses_.append({x1, y1, x2, y2, CorFrente()});
}

void SuperficieTeste::PintaFigura(const Figura& figura, double x, double y, double largura,
                                  double altura) {
    figuras_.append({figura, x, y, largura, altura});
}

void SuperficieTeste::DesenhaTexto(double x, double y, const QString& texto, double) {
    textos_.append({texto, x, y, fonte(), CorFrente()});
}

void SuperficieTeste::ApagaTudo() {
    textos_.clear();
    retangulos_.clear();
    figuras_.clear();
    ++limpezas_;
}

} // namespace vidalume
