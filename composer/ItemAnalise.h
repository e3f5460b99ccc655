// One section of an analysis and the whole analysis (entries 1 to 28; 0 unused).
#pragma once

#include <QString>

#include <array>

namespace vidalume {

struct ItemAnalise {
    QString Titulo;
    QString Descricao; // empty for sections that continue a group
    QString Texto;
    QString Numero; // decimal text; for the first vowel, the letter

    bool operator==(const ItemAnalise&) const = default;
};

using Analise = std::array<ItemAnalise, 29>;

} // namespace vidalume
