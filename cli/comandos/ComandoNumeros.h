// "numeros": every number of an analysis as one JSON object.
#pragma once

#include "cli/comandos/EntradaCli.h"

#include <QByteArray>

namespace vidalume {

class ComandoNumeros {
public:
    static QByteArray json(const EntradaCli& entrada);
};

} // namespace vidalume
