// The digit-sum reduction on which every number rests, without master numbers; the rules of
// a school (RegrasCalculo) build on it. Pure functions: no state, no files.
#pragma once

#include <QList>

namespace vidalume {

// Repeated digit sum down to one digit (0-9), at least one pass; no master numbers.
// A negative number's sign counts 0, so it reduces like its absolute value.
int ReduzNumero(long long n);
// The steps of that reduction, `n` (taken as its absolute value) first and the digit
// ReduzNumero gives last: 139 -> {139, 13, 4}; a one-digit number is its only step.
QList<long long> PassosReducao(long long n);

} // namespace vidalume
