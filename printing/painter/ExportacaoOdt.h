// The analysis as an OpenDocument text (.odt) for a word processor: the title, the name and
// the birth date in words at the top, then the sections as the exported text has them
// (explanation, title, picture as text lines in a fixed-pitch font, interpretation,
// separator) and the closing paragraph, one paragraph per line, in the user's three fonts, the
// texts justified. A forecast of a year gives its blocks the same way. The file is written
// whole or not at all, through the program's safe save.
#pragma once

#include "composer/Diagramacao.h"

#include <QString>

class QTextDocument;

namespace vidalume {

class ExportacaoOdt {
public:
    // The document, for writing or for a look at its paragraphs.
    static void monta(QTextDocument& documento, const Diagramacao& diagramacao);

    // Writes the document to `arquivo`. False, with what went wrong in Portuguese in `erro`,
    // when the file was not written.
    static bool grava(const QString& arquivo, const Diagramacao& diagramacao, QString* erro);
};

} // namespace vidalume
