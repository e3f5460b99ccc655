// The universal and personal numbers of one day for one birth date: year, month and day.
// The universal numbers follow the calendar; the personal year turns on 1 January or on the
// birthday (see InicioAnoPessoal), and the personal month and day follow from it.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QDate>

namespace vidalume {

struct NumerosDoDia {
    int anoUniversal = 0, mesUniversal = 0, diaUniversal = 0;
    int anoPessoal = 0, mesPessoal = 0, diaPessoal = 0;

    // The numbers of `dia` for someone born on `diaNascimento`/`mesNascimento` (as read from
    // the birth date), with the personal year turning as `regras` says. Under the birthday
    // rule a day before the birthday of its year takes the personal year of the year before;
    // a birthday on 29 February falls on 1 March in a common year. A birth day and month
    // that are on no calendar fall back to 1 January. Every number is one digit.
    static NumerosDoDia calcula(int diaNascimento, int mesNascimento, QDate dia,
                                const RegrasCalculo& regras);

    // The birthday in `ano` under the rule above; invalid when the day and month are on no
    // calendar.
    static QDate aniversario(int diaNascimento, int mesNascimento, int ano);

    bool operator==(const NumerosDoDia&) const = default;
};

} // namespace vidalume
