// "pdf": the print job on an A4 portrait PDF file, with the margins, fonts, settings and
// header and footer lines of a program folder (their defaults where a file is missing). The
// folder is only read.
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "composer/Diagramacao.h"
#include "composer/RelatorioComposto.h"

#include <QString>

namespace vidalume {

class ComandoPdf {
public:
    struct Opcoes {
        QString pasta;
        bool capa = false;
        bool colorido = false;
    };

    // The analysis of the person of `entrada`, composed with the interpretation files of the
    // folder, with the folder's settings and the entry's start of the personal year.
    static Diagramacao diagramacao(const EntradaCli& entrada, const Opcoes& opcoes);
    // The folder's settings that shape the pages (the start of the personal year included),
    // with nothing to lay out yet; read once for many analyses.
    static Diagramacao configuracaoDaPasta(const Opcoes& opcoes);
    // The analysis of the person of `entrada` composed into a copy of `configuracao` (from
    // configuracaoDaPasta), with the interpretation files of its program folder and its
    // start of the personal year.
    static Diagramacao diagramacao(const EntradaCli& entrada, Diagramacao configuracao);
    // Writes the PDF; false, with what went wrong in `erro`, when it was not written.
    static bool gera(const EntradaCli& entrada, const QString& arquivo, const Opcoes& opcoes,
                     QString* erro);
    // Writes the PDF of a composed report (the couple reading) with the folder's settings.
    static bool gera(const RelatorioComposto& relatorio, const QString& arquivo,
                     const Opcoes& opcoes, QString* erro);
};

} // namespace vidalume
