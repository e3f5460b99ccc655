// How the program reads a number typed in a box (a margin, a font size): blanks are skipped
// anywhere, and the longest leading decimal number is taken, so "12,5 mm" reads 12 and
// "4 0" reads 40. Text that starts with no number reads 0.
#pragma once

#include <QString>

namespace vidalume {

class LeituraNumero {
public:
    // The leading number of `texto` as described above; 0 when there is none or when it is
    // not finite.
    static double interpreta(const QString& texto);
};

} // namespace vidalume
