// Putting the shipped interpretation texts back into a data folder. Before a file is replaced,
// the user's current file is kept beside it as a dated copy ("CVIDA.DAT.copia-2025-01-31-140509"),
// which the program never reads and a backup never takes, so no edited text is lost. The
// shipped texts travel inside the program (kEmbutidos), so they are there whatever folder the
// program was copied to, and a data folder that lacks a file (one of an older version) gets it
// from them at start.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vidalume {

class TextosOriginais {
public:
    // The folder of the shipped texts compiled into the program.
    static const QString kEmbutidos;

    // kEmbutidos when the program carries its texts, otherwise `pastaOriginais`.
    static QString origem(const QString& pastaOriginais);

    // Writes into `pastaDados` each shipped file of `origem` it lacks, never over a file that
    // is there (even one that appears meanwhile), and gives the names written, sorted. On a
    // failure `erro` gets its message and the files written before it stay.
    static QStringList recriaFaltantes(const QString& origem, const QString& pastaDados,
                                       QString* erro);

    // What the user is told once the files `recriados` were written: which, and why.
    static QString avisoRecriados(const QStringList& recriados);

    // The shipped interpretation files of `pastaOriginais`, sorted; empty when it has none.
    static QStringList arquivos(const QString& pastaOriginais);

    // What a file holds, for the user to choose by: the section it serves, then the name,
    // e.g. "Caminho da Vida (CVIDA.DAT)".
    static QString descricao(const QString& arquivo);

    // The dated copy's name of `arquivo` made at `quando`.
    static QString nomeCopia(const QString& arquivo, const QDateTime& quando);

    // Replaces each of `arquivos` in `pastaDados` by its shipped version from `pastaOriginais`.
    // A file equal to the shipped one is left as it is; any other first gets its dated copy
    // (a copy name already taken gets "-2", "-3" ...). Every original is read before anything
    // is written. `copias` receives the names of the copies made, `restaurados` the files
    // replaced. False, with a message in `erro`, on the first failure; files already replaced
    // stay replaced and each has its copy.
    static bool restaura(const QString& pastaOriginais, const QString& pastaDados,
                         const QStringList& arquivos, const QDateTime& quando, QStringList* copias,
                         QStringList* restaurados, QString* erro);
};

} // namespace vidalume
