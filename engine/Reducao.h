// Letter values and the digit-sum reduction on which every number of an analysis rests.
// Pure functions: no state, no files.
#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace vidalume {

// Repeated digit sum down to one digit (0-9), at least one pass; no master numbers.
// A negative number's sign counts 0, so it reduces like its absolute value.
int ReduzNumero(long long n);
// The steps of that reduction, `n` (taken as its absolute value) first and the digit
// ReduzNumero gives last: 139 -> {139, 13, 4}; a one-digit number is its only step.
QList<long long> PassosReducao(long long n);

// Value of one character in the full table (letters A-Z 1-9, digits their own value).
int ValorLetra(QChar c);
// Value in the consonant table (every consonant; Y is a vowel here, W a consonant).
int ValorConsoante(QChar c);
// Value in the vowel table: A 1, U 3, E 5, O 6, Y 7, I 9.
int ValorVogal(QChar c);

// Reduced sums over every character of a name, spaces included (they add 0).
int SomaNome(const QString& nome);
int SomaConsoantes(const QString& nome);
int SomaVogais(const QString& nome);

} // namespace vidalume
