// The karmic numbers of a name and birth date: how often each digit occurs among the name's
// letters (the inclusion chart), the karmic lessons, the hidden tendencies, the subconscious
// response and the karmic debts. Pure functions, no master numbers.
#pragma once

#include "engine/NumerosAnalise.h"

#include <QList>
#include <QString>

#include <array>

namespace vidalume {

// Where a karmic debt was met, in the order they are looked for.
enum class OrigemDivida { DiaDoNascimento, CaminhoDaVida, Expressao, ImpulsoDaAlma, EuSilencioso };

struct DividaCarmica {
    int numero = 0; // 13, 14, 16 or 19
    OrigemDivida origem = OrigemDivida::DiaDoNascimento;

    bool operator==(const DividaCarmica&) const = default;
};

struct MapaCarmico {
    static constexpr std::array<int, 4> kDividas{13, 14, 16, 19};

    std::array<int, 9> inclusao{}; // [d - 1]: letters A-Z of the name whose value is d
    QList<int> licoesCarmicas;     // digits 1-9 with no letter, ascending
    QList<int> tendenciasOcultas;  // digits with at least the threshold of letters, ascending
    int respostaSubconsciente = 0; // 9 minus the number of lessons
    QList<DividaCarmica> dividas;  // at most one per place, in OrigemDivida order

    bool operator==(const MapaCarmico&) const = default;
};

// The map of `nome` (as typed or normalised) with the date numbers of `numeros`, under
// `regras`. Only the letters count for the inclusion chart (digits, spaces and other
// characters count nowhere). A hidden tendency needs the threshold of `regras`. A debt is a
// 13, 14, 16 or 19 among the reduction steps of: the birth day; the life path's total
// M + D + A; the letter totals of the whole name, of the vowels and of the consonants.
MapaCarmico CalculaMapaCarmico(const QString& nome, const NumerosAnalise& numeros,
                               const RegrasCalculo& regras);

} // namespace vidalume
