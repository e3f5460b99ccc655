// Composition of the sections after the 28 of an analysis: 29 the letter chart, 30 the karmic
// lessons with the inclusion chart, 31 the hidden tendencies, 32 the subconscious response,
// 33 the karmic debts and 34 the line of life (title and explanation; its picture is drawn
// by the report layer). Each takes its explanation from CMAPA.DAT and its texts from a file
// of its own; a missing file leaves the section without those texts and says which file it
// is instead. Draws nothing.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/MapaCarmico.h"
#include "engine/MapaLetras.h"
#include "engine/NumerosAnalise.h"
#include "texts/ArquivoInterpretacao.h"

#include <QString>
#include <QStringList>

namespace vidalume {

class ComporMapa {
public:
    static constexpr int kMapaLetras = 29;
    static constexpr int kLicoes = 30;
    static constexpr int kTendencias = 31;
    static constexpr int kResposta = 32;
    static constexpr int kDividas = 33;
    static constexpr int kLinhaVida = 34;

    static const QString kSemLicoes;  // no digit is missing from the name
    static const QString kSemDividas; // no debt in any of the five places
    static const QString kSemLetras;  // the name has no letter A-Z (response 0)
    static const QString kLegendaInclusao;

    // Where a debt was found, as a sentence says it: "no Caminho da Vida", "na Expressão".
    static QString origem(OrigemDivida origem);
    // The letter chart as text: three lines per row of words (vowel values, letters,
    // consonant values), as many whole words per row as fit in 22 cells.
    static QStringList linhasLetras(const MapaLetras& mapa);
    // The record of DIVCARM.DAT for `divida` (13 -> 1, 14 -> 2, 16 -> 3, 19 -> 4); 0 for any
    // other number.
    static int registroDivida(int divida);

    // Fills entries 29 to 34 of `analise` for `nome` (as typed or normalised) and the date
    // numbers of `numeros` under `regras` (letter values, hidden-tendency threshold); the
    // line of life marks the age on `referencia`. Entries 1 to 28 are left as they are.
    static void compoe(Analise& analise, const QString& nome, const NumerosAnalise& numeros,
                       const RegrasCalculo& regras, const ArquivoInterpretacao& arquivos,
                       QDate referencia);
};

} // namespace vidalume
