// The plain data of the picture a section of the complete map draws between its title and
// its text, and the same picture as lines of text for the exports. Computed by the composer;
// the report layer only places it on the page.
#pragma once

#include "engine/LinhaVida.h"
#include "engine/MapaLetras.h"

#include <QString>
#include <QStringList>

#include <array>

namespace vidalume {

struct QuadroSecao {
    enum class Tipo {
        Nenhum,   // the section has no picture
        Letras,   // the letter chart of the name (section 29)
        Inclusao, // the 3 x 3 inclusion chart (section 30)
        LinhaVida // the line of life (section 34)
    };

    Tipo tipo = Tipo::Nenhum;
    MapaLetras letras;             // Letras: the words with the value of each letter
    QStringList totais;            // Letras: one line per total with its reduction steps
    std::array<int, 9> inclusao{}; // Inclusao: [d - 1] letters worth d; 0 marks a lesson
    QString legenda;               // Inclusao: the line under the chart
    LinhaVida linhaVida;           // LinhaVida: the periods and the reference age
    // LinhaVida: the middle band holds Momentos Decisivos and every period is named by its
    // order (1º, 2º...) instead of the names of the analysis's cycles and challenges.
    bool periodosNumerados = false;
    QStringList linhasTexto; // the picture as text, one line each, for the exports

    bool operator==(const QuadroSecao&) const = default;
};

} // namespace vidalume
