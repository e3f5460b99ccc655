#include "report/FonteSalva.h"

#include <cmath>

namespace vidalume {

int FonteSalva::arredondaPar(double valor) {
    const double baixo = std::floor(valor);
    const double fracao = valor - baixo;
    if (fracao > 0.5 || (fracao == 0.5 && std::fmod(baixo, 2.0) != 0)) {
        return static_cast<int>(baixo) + 1;
    }
    return static_cast<int>(baixo);
}

void FonteSalva::SalvarFontesTela(const SuperficieDesenho& superficie) {
    FonteSuperficie f = superficie.fonte();
    f.tamanho = arredondaPar(f.tamanho);
    salva_ = f;
}

void FonteSalva::RestaurarFontesTela(SuperficieDesenho& superficie) const {
    if (!salva_) {
        return;
    }
    superficie.DefineNomeFonte(salva_->nome);
    superficie.DefineTamanhoFonte(salva_->tamanho);
    superficie.DefineNegrito(salva_->negrito);
    superficie.DefineItalico(salva_->italico);
}

} // namespace vidalume
