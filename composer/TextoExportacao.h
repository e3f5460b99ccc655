// The plain text of an analysis as it goes to the clipboard: the selected sections with
// their explanations, titles and texts, separated by a rule, then the closing paragraph
// whatever the selection and the options; CR LF line breaks.
#pragma once

#include "composer/ItemAnalise.h"
#include "settings/Configuracao.h"

#include <QString>

namespace vidalume {

class TextoExportacao {
public:
    static const QString kSeparador; // "-=-=...-" (21 characters)

    // `selecionados` is the live selection of calculations (entries 1 to 28).
    static QString monta(const Analise& analise, const Configuracao& config,
                         const Configuracao::Selecao& selecionados);
    static QString monta(const Analise& analise, const Configuracao& config) {
        return monta(analise, config, config.CalculosAtivos);
    }
};

} // namespace vidalume
