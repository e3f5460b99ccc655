// The periods of a life by age, for the line-of-life picture: the three cycles with the ages
// at which they change, the four pinnacles with their ages, the four challenges (the first
// minor one in the first half of the life, up to the start of the third pinnacle, the second
// in the other half, the main and the additional one all life long), and the person's age on
// the reference date. Plain data taken
// from the numbers of the birth date; nothing here draws.
#pragma once

#include "engine/NumerosAnalise.h"

#include <QDate>
#include <QList>

namespace vidalume {

struct LinhaVida {
    static constexpr int kAnosAposUltimaMudanca = 10;

    struct Periodo {
        int numero = 0;
        int idadeInicio = 0;
        int idadeFim = 0;  // the end of the picture for the last period of a band
        int anoInicio = 0; // calendar year in which the period begins
        bool operator==(const Periodo&) const = default;
    };

    QList<Periodo> ciclos;      // formative, productive, harvest
    QList<Periodo> realizacoes; // four pinnacles
    QList<Periodo> desafios;    // first minor, second minor, main, additional
    int idadeFinal = 0;         // the picture runs from age 0 to this age
    int idadeReferencia = -1;   // the age on the reference date; -1 when before birth

    // The line of life of `numeros` (computed from a valid birth date) seen from
    // `referencia`. The picture ends on a multiple of 10 at least kAnosAposUltimaMudanca
    // years after the last change of a cycle or pinnacle and past the reference age.
    static LinhaVida calcula(const NumerosAnalise& numeros, QDate referencia);

    bool operator==(const LinhaVida&) const = default;
};

} // namespace vidalume
