// The commands of vidalume-cli about people: one person's analysis as numbers, text, PDF or
// .odt, the name study, the couple's compatibility, the forecasts of a year and the name
// correction study. Each takes
// the command line and returns the exit code: 0 done, 1 a file could not be written, 2 a
// wrong command line.
#pragma once

#include "cli/ContextoCli.h"

namespace vidalume {

class ComandosAnalise {
public:
    static int numeros(const ContextoCli& c);
    static int texto(const ContextoCli& c);
    static int pdf(const ContextoCli& c);
    static int odt(const ContextoCli& c);
    static int nomes(const ContextoCli& c);
    static int compatibilidade(const ContextoCli& c);
    static int previsoes(const ContextoCli& c);
    static int assinatura(const ContextoCli& c);
};

} // namespace vidalume
