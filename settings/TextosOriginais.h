// Putting the shipped interpretation texts back into a data folder. Before a file is replaced,
// the user's current file is kept beside it as a dated copy ("CVIDA.DAT.copia-2025-01-31-140509"),
// which the program never reads and a backup never takes, so no edited text is lost.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vidalume {

class TextosOriginais {
public:
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
