// "texto": the analysis (or the cabalística map) as the export command puts it on the
// clipboard, composed from the interpretation files and settings of a program folder, which
// is only read.
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "composer/RelatorioComposto.h"

#include <QString>

namespace vidalume {

class ComandoTexto {
public:
    // The analysis of `entrada`, or its cabalística map when that is its school.
    static QString texto(const EntradaCli& entrada, const QString& pasta);
    // The cabalística map of `entrada` with the options, harmony table and texts of `pasta`.
    static RelatorioComposto mapaCabalistico(const EntradaCli& entrada, const QString& pasta);
};

} // namespace vidalume
