// The message of a list file (a batch or client CSV) that cannot be read, with the reason in
// Portuguese: missing, a folder, not readable by the user, or not openable.
#pragma once

#include <QString>

namespace vidalume {

class ListaIlegivel {
public:
    // "Não foi possível ler a lista "…": o arquivo não existe."
    static QString mensagem(const QString& arquivo);
    // Whether `arquivo` is something a list is read from: a regular file or a pipe (a script's
    // "/dev/stdin"). A device or a socket may never end, and the reading would hold the client
    // file's lock meanwhile.
    static bool lista(const QString& arquivo);
};

} // namespace vidalume
