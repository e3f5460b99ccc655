#include "tests/suporte/FolhasTeste.h"

namespace vidalume {

SuperficieDesenho& FolhasTeste::ProximaFolha() {
    folhas_.push_back(
        std::make_unique<SuperficieTeste>(largura_, altura_, larguraPorPonto_, alturaPorPonto_));
    return *folhas_.back();
}

} // namespace vidalume
