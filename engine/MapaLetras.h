// The name as the letter chart shows it: each word's letters with their values, vowels and
// consonants told apart, and the three letter totals before any reduction. Pure data from
// the same tables as the name numbers.
#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace vidalume {

struct LetraMapa {
    enum class Tipo { Vogal, Consoante, Outro };

    QChar letra;
    int valor = 0; // in the full table; 0 for a character with no value
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

// The chart of `nome` (normalised). Words are split at spaces; a letter is a vowel when the
// vowel table gives it a value (Y included), a consonant when the consonant table does; a
// digit has its value in the full table but is neither. The totals are the unreduced sums
// whose reductions are SomaNome, SomaVogais and SomaConsoantes.
MapaLetras MontaMapaLetras(const QString& nome);

} // namespace vidalume
