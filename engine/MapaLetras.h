// The name as the letter chart shows it: each word's letters with their values, vowels and
// consonants told apart, and the three letter totals before any reduction. Pure data from
// the same tables as the name numbers.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QChar>
#include <QList>
#include <QString>

namespace vidalume {

struct LetraMapa {
    enum class Tipo { Vogal, Consoante, Outro };

    QChar letra;   // as typed, in capitals (marks kept)
    int valor = 0; // in the school's table; 0 for a character with no value
    Tipo tipo = Tipo::Outro;

    bool operator==(const LetraMapa&) const = default;
};

struct MapaLetras {
    QList<QList<LetraMapa>> palavras; // the words of the name, in order, spaces left out
    long long totalNome = 0;          // every character in the full table (expressão)
    long long totalVogais = 0;        // the vowel table (impulso da alma)
    long long totalConsoantes = 0;    // the consonant table (eu silencioso)

    bool operator==(const MapaLetras&) const = default;
};

// The chart of `nome` (as typed or normalised) under `regras`. Words are split at spaces;
// each character is shown in capitals as it was written, with the value its normalised form
// has (a ligature such as Æ becomes the two letters it joins); a letter with a value is a
// vowel or a consonant as `regras` says; a character with a value that is no letter (a digit
// in the Pythagorean table) is neither. The totals are the unreduced sums whose reductions
// are the name's expression, vowel and consonant numbers.
MapaLetras MontaMapaLetras(const QString& nome, const RegrasCalculo& regras);

} // namespace vidalume
