// Sheets for tests and benchmarks: every sheet is a recording SuperficieTeste of the same
// size, kept so that what was drawn on each page can be looked at afterwards.
#pragma once

#include "report/FabricaFolhas.h"
#include "tests/suporte/SuperficieTeste.h"

#include <memory>
#include <vector>

namespace vidalume {

class FolhasTeste : public FabricaFolhas {
public:
    explicit FolhasTeste(double largura = 210, double altura = 297, double larguraPorPonto = 0.2,
                         double alturaPorPonto = 0.4)
        : largura_(largura), altura_(altura), larguraPorPonto_(larguraPorPonto),
          alturaPorPonto_(alturaPorPonto) {}

    SuperficieDesenho& ProximaFolha() override;

    int quantidade() const { return static_cast<int>(folhas_.size()); }
    const SuperficieTeste& folha(int indice) const { return *folhas_.at(indice); }

private:
    double largura_, altura_, larguraPorPonto_, alturaPorPonto_;
    std::vector<std::unique_ptr<SuperficieTeste>> folhas_;
};

} // namespace vidalume
