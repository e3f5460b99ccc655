// The pinnacle headings of an analysis speak of each period in the tense of the reader's
// age on the date of the analysis: a period that has already ended is told in the past
// ("teve início … e prolongou-se até os seus 35 anos"), the current one as begun and going
// on ("teve início … e prolonga-se até"), the coming ones in the present. The last pinnacle
// lasts for the rest of the life and never ends.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/NumerosAnalise.h"

#include <QDate>

namespace vidalume {

class PeriodosVividos {
public:
    // The age in whole years on `data` of someone born on the date of `numeros`; -1 when
    // `data` is before the birth or invalid.
    static int idade(const NumerosAnalise& numeros, QDate data);

    // Puts the start of the headings of entries 8 to 11 in the past when the reader, `idade`
    // years old, has reached the age at which they begin, and the end of entries 8 to 10 when
    // the reader has passed the age at which they end. Other entries are left as they are.
    static void ajustaRealizacoes(Analise& analise, const NumerosAnalise& numeros, int idade);
};

} // namespace vidalume
