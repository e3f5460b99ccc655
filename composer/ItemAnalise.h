// One section of an analysis and the whole analysis, with the closing paragraph that follows
// the last section: entries 1 to 28 are the sections of the numerological analysis, 29 to 34
// those of the complete map and the line of life; entry 0 is unused.
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
    // More pictures after the first, each kept whole on a page (the parts of a large
    // pyramid); their text lines are in the first picture's.
    QList<QuadroSecao> QuadrosSeguintes{};

    bool operator==(const ItemAnalise&) const = default;
};

constexpr int kUltimaSecaoAnalise = 34;

struct Analise : std::array<ItemAnalise, kUltimaSecaoAnalise + 1> {
    // The closing paragraph (see AvisoFinal), shown after the sections whatever the options
    // and the selection; empty only in a value that was never composed.
    QString Aviso;
    // A paragraph shown before the first section whatever the selection (to the family, in
    // the analysis of a child); empty in most analyses.
    QString Abertura;

    bool operator==(const Analise&) const = default;
};

} // namespace vidalume
