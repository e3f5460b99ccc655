// The sound player over QSoundEffect.
#pragma once

#include "app/Som.h"

#include <QSoundEffect>

namespace vidalume {

class SomQt : public Som {
public:
    void toca(const QString& arquivo, bool repete) override;

private:
    QSoundEffect efeito_;
};

} // namespace vidalume
