// One month of a year ahead for one birth date: its weeks as rows from Sunday to Saturday
// and, for every day, the universal and personal numbers of that day. What a calendar
// picture and the forecast tables show; nothing here draws.
#pragma once

#include "engine/NumerosDoDia.h"

#include <QList>

#include <array>

namespace vidalume {

struct CalendarioMes {
    static constexpr int kDiasSemana = 7;
    using Semana = std::array<int, kDiasSemana>; // day of the month, 0 for an empty cell

    int ano = 0;
    int mes = 0;              // 1 to 12
    QList<Semana> semanas;    // 4 to 6 rows; column 0 is Sunday
    QList<NumerosDoDia> dias; // index d - 1 holds day d; as many as the month has days

    // The month `mes` of `ano` for someone born on `diaNascimento`/`mesNascimento`, with the
    // personal numbers under `regras`. `mes` 1 to 12, `ano` 1 to 9999.
    static CalendarioMes calcula(int ano, int mes, int diaNascimento, int mesNascimento,
                                 const RegrasCalculo& regras);

    // The days (1 to 31, in order) whose personal day is `numero`.
    QList<int> diasComDiaPessoal(int numero) const;

    // A stretch of the month that shares one personal month: from `primeiroDia` on.
    struct TrechoMesPessoal {
        int primeiroDia = 1;
        int anoPessoal = 0;
        int mesPessoal = 0;
        bool operator==(const TrechoMesPessoal&) const = default;
    };
    // One stretch, or two when the personal year turns inside the month (on the birthday).
    QList<TrechoMesPessoal> mesesPessoais() const;

    bool operator==(const CalendarioMes&) const = default;
};

} // namespace vidalume
