// "texto": the analysis as the export command puts it on the clipboard, composed from the
// interpretation files and settings of a program folder, which is only read.
#pragma once

#include "cli/comandos/EntradaCli.h"

#include <QString>

namespace vidalume {

class ComandoTexto {
public:
    static QString texto(const EntradaCli& entrada, const QString& pasta);
};

} // namespace vidalume
