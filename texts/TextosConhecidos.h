// The interpretation files this program writes and reads: the file of each section of an
// analysis, the explanations of the groups, the couple texts and the files that other parts of
// the program read beside them. A backup takes and restores only these names, so a new
// interpretation file is added to kOutros (or to TabelaSecoes, for a section); one read outside
// the sections also gets a row in TextosAvulsos, which makes it editable.
#pragma once

#include <QString>
#include <QStringList>

namespace vidalume {

class TextosConhecidos {
public:
    // Files read outside the section table, besides the explanations and the couple texts.
    static const QStringList kOutros;

    // Every known interpretation file name ("CVIDA.DAT" ...), sorted, each once.
    static const QStringList& arquivos();
    // Whether `nome` is one of arquivos().
    static bool conhece(const QString& nome);
};

} // namespace vidalume
