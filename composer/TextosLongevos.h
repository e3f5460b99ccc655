// A reader of kIdadeMinima years or more gets the personal year from the variants in
// LONGEVOS.DAT, which speak of what fits that age (health, rhythm, family, memories, what can
// still be begun or closed) instead of careers, businesses or long-term commitments. The
// age is taken as the child variants take it; a folder without that file keeps the usual
// texts.
//
// Records of LONGEVOS.DAT: 1 to 9 the personal year 1 to 9.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/NumerosAnalise.h"
#include "texts/ArquivoInterpretacao.h"

#include <QString>

namespace vidalume {

class TextosLongevos {
public:
    static constexpr int kIdadeMinima = 80;
    static inline const QString kArquivo = QStringLiteral("LONGEVOS.DAT");

    // Whether a reader `idade` years old reads these variants and the folder of `arquivos`
    // holds them.
    static bool valem(int idade, const ArquivoInterpretacao& arquivos);
    // The variant of the personal year `numero` (1 to 9); empty for any other number.
    static QString anoPessoal(int numero, const ArquivoInterpretacao& arquivos);

    // For a reader `idade` years old: the personal year's text (entry 20) of `numeros` from
    // its variant. Nothing changes for a younger reader, without the file or where the
    // record is empty.
    static void aplica(Analise& analise, const NumerosAnalise& numeros, int idade,
                       const ArquivoInterpretacao& arquivos);
};

} // namespace vidalume
