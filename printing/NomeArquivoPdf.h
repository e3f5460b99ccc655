// File names of analyses saved as PDF: made from the name without its marks and the birth
// date, the same whichever school computed the analysis, safe in any folder (only letters,
// digits, "-" and "_"), and never the name of a file that is already there.
#pragma once

#include <QString>

namespace vidalume {

class NomeArquivoPdf {
public:
    static constexpr int kMaximoNome = 100; // characters taken from the name

    // "MARIA_DA_SILVA_29-11-1978.pdf" for "MARIA DA SILVA" born on "29/11/1978". A letter
    // with marks counts as its base letter ("JOSÉ" gives "JOSE"); every run of characters
    // other than ASCII letters and digits becomes one "_"; a name with none of them gives
    // "ANALISE".
    static QString sugere(const QString& NomeAnalise, const QString& DataNascimento);

    // `arquivo` inside `pasta` when no such file exists, otherwise the first free of
    // "base (2).pdf", "base (3).pdf", ...
    static QString livre(const QString& pasta, const QString& arquivo);
};

} // namespace vidalume
