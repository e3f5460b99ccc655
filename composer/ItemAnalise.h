// One section of an analysis and the whole analysis: entries 1 to 28 are the sections of the
// numerological analysis, 29 to 34 those of the complete map and the line of life; entry 0
// is unused.
#pragma once

#include "composer/QuadroSecao.h"

#include <QString>

#include <array>

namespace vidalume {

struct ItemAnalise {
    QString Titulo;
    QString Descricao; // empty for sections that continue a group
    QString Texto;
    QString Numero;       // decimal text; for the first vowel, the letter; a list "2, 6"
    QuadroSecao Quadro{}; // the picture between title and text; none in sections 1 to 28

    bool operator==(const ItemAnalise&) const = default;
};

constexpr int kUltimaSecaoAnalise = 34;
using Analise = std::array<ItemAnalise, kUltimaSecaoAnalise + 1>;

} // namespace vidalume
