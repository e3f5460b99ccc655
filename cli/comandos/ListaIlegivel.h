// The message of a list file (a batch or client CSV) that cannot be read, with the reason in
// Portuguese: missing, a folder, not readable by the user, or not openable.
#pragma once

#include <QString>

namespace vidalume {

class ListaIlegivel {
public:
    // "Não foi possível ler a lista "…": o arquivo não existe."
    static QString mensagem(const QString& arquivo);
};

} // namespace vidalume
