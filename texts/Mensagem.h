// Small pieces every message of the program is built from: a failure handed back through an
// optional error text, and a count with its noun in the singular or the plural.
#pragma once

#include <QString>

namespace vidalume {

class Mensagem {
public:
    // Puts `texto` in `erro` when there is one, and returns false, so that a check can end
    // with `return Mensagem::falha(erro, ...)`.
    static bool falha(QString* erro, const QString& texto);
    // "1 cliente", "3 clientes": `um` for one, `varios` for any other number (UTF-8).
    static QString conta(qint64 n, const char* um, const char* varios);
};

} // namespace vidalume
