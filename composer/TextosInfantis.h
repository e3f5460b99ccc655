// A reader under kIdadeLimite years gets the texts of the present from the child variants in
// INFANTIL.DAT, which speak of play, school, family and growing up instead of work, money or
// partners: the current pinnacle, the personal year, month and day; and the analysis opens
// with a paragraph to the family. A folder without that file keeps the usual texts.
//
// Records of INFANTIL.DAT: 1 the paragraph to the family; 2 to 10 the first pinnacle 1 to 9
// (the one every child is in); 11 to 19 the personal year 1 to 9; 20 to 28 the personal month
// 1 to 9; 29 to 37 the personal day 1 to 9.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/NumerosAnalise.h"
#include "texts/ArquivoInterpretacao.h"

#include <QString>

namespace vidalume {

class TextosInfantis {
public:
    static constexpr int kIdadeLimite = 14;
    static inline const QString kArquivo = QStringLiteral("INFANTIL.DAT");

    enum class Tipo { Realizacao = 1, AnoPessoal = 10, MesPessoal = 19, DiaPessoal = 28 };

    // Whether a reader `idade` years old (-1: not born yet) reads the child variants and the
    // folder of `arquivos` holds them.
    static bool valem(int idade, const ArquivoInterpretacao& arquivos);
    // The child variant of `tipo` for `numero` (1 to 9); empty for any other number.
    static QString texto(Tipo tipo, int numero, const ArquivoInterpretacao& arquivos);

    // For a reader `idade` years old: the family paragraph and the child texts of the current
    // pinnacle (entry 8) and of the personal numbers (entries 20 to 22) of `numeros`. Nothing
    // changes for an older reader or without the file.
    static void aplica(Analise& analise, const NumerosAnalise& numeros, int idade,
                       const ArquivoInterpretacao& arquivos);
};

} // namespace vidalume
