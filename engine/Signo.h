// Sign index of a birth day and month: the number (1-12) of the sign picture.
#pragma once

namespace vidalume {

// Pictures are numbered 1 Scorpio, 2 Libra, 3 Virgo, 4 Leo, 5 Sagittarius, 6 Cancer,
// 7 Gemini, 8 Taurus, 9 Aries, 10 Pisces, 11 Aquarius, 12 Capricorn. 29 February takes
// the sign of 28 February. A day and month that is no calendar day gives 0.
int SignoDoNascimento(int dia, int mes);

} // namespace vidalume
