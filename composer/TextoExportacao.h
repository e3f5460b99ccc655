// The plain text of an analysis as it goes to the clipboard: the selected sections with
// their explanations, titles, pictures as text lines and texts, separated by a rule, then the
// closing paragraph whatever the selection and the options; CR LF line breaks.
#pragma once

#include "composer/ItemAnalise.h"
#include "settings/Configuracao.h"
#include "settings/OpcoesMapa.h"

#include <QString>

namespace vidalume {

class TextoExportacao {
public:
    static const QString kSeparador; // "-=-=...-" (21 characters)

    // `selecionados` is the live selection of calculations (entries 1 to 28), `opcoes`
    // chooses the sections after them.
    static QString monta(const Analise& analise, const Configuracao& config,
                         const Configuracao::Selecao& selecionados, const OpcoesMapa& opcoes);
    static QString monta(const Analise& analise, const Configuracao& config,
                         const OpcoesMapa& opcoes) {
        return monta(analise, config, config.CalculosAtivos, opcoes);
    }
};

} // namespace vidalume
