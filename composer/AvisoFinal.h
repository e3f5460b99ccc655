// The closing paragraph of every analysis, compatibility reading, name study and forecast
// report: numbers show tendencies, not certainties, and do not replace professional advice.
// Its text is record 1 of AVISO.DAT (TabelaSecoes::kArquivoAviso), which the user may rewrite in
// the interpretation editor like any other text.
#pragma once

#include "texts/ArquivoInterpretacao.h"

#include <QString>

namespace vidalume {

class AvisoFinal {
public:
    static constexpr int kRegistro = 1; // of TabelaSecoes::kArquivoAviso
    // The wording shipped in data/textos/AVISO.txt.
    static const QString kTextoOriginal;

    // The paragraph as the folder of `arquivos` holds it. A folder kept from a version that
    // had no such file, or a record left blank, gives kTextoOriginal, so the paragraph is
    // never missing from a report.
    static QString texto(const ArquivoInterpretacao& arquivos);
};

} // namespace vidalume
