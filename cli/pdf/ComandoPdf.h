// "pdf": the print job on an A4 portrait PDF file, with the margins, fonts, settings and
// header and footer lines of a program folder (their defaults where a file is missing). The
// folder is only read.
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "printing/PedidoImpressao.h"

#include <QString>

namespace vidalume {

class ComandoPdf {
public:
    struct Opcoes {
        QString pasta;
        bool capa = false;
        bool colorido = false;
    };

    // The print request for the person of `entrada` with the settings of the folder.
    static PedidoImpressao pedido(const EntradaCli& entrada, const Opcoes& opcoes);
    // Writes the PDF; an empty text when it was written, else what went wrong.
    static QString gera(const EntradaCli& entrada, const QString& arquivo, const Opcoes& opcoes);
};

} // namespace vidalume
