// How two numbers of 1 to 9 relate in the studies that compare numbers: whether they are in
// harmony, and which record of the pair texts (COMPATIB.DAT) speaks of them. Pure functions.
//
// Pair records: one record per unordered pair a <= b of 1 to 9, in the order 1-1, 1-2, ...,
// 1-9, 2-2, ..., 9-9, so the pair (a, b) is record (a - 1)(20 - a)/2 + (b - a) + 1: 1-1 is
// record 1, 1-9 record 9, 2-2 record 10, 9-9 record 45.
#pragma once

namespace vidalume {

class Compatibilidade {
public:
    static constexpr int kTotalPares = 45;

    // True when both numbers are 1 to 9 and equal or of the same group: {1, 5, 7},
    // {2, 4, 8}, {3, 6, 9}. A 0 (a name without vowels or consonants) is in harmony with
    // nothing.
    static bool emHarmonia(int a, int b);

    // The record (1 to 45) of the pair, in either order; 0 when a number is not 1 to 9.
    static int registroPar(int a, int b);
};

} // namespace vidalume
