// One section of an analysis and the whole analysis (entries 1 to 28; 0 unused), with the
// closing paragraph that follows the last section.
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

struct Analise : std::array<ItemAnalise, 29> {
    // The closing paragraph (see AvisoFinal), shown after the sections whatever the options
    // and the selection; empty only in a value that was never composed.
    QString Aviso;

    bool operator==(const Analise&) const = default;
};

} // namespace vidalume
