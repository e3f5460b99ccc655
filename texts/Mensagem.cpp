#include "texts/Mensagem.h"

namespace vidalume {

bool Mensagem::falha(QString* erro, const QString& texto) {
    if (erro) {
        *erro = texto;
    }
    return false;
}

QString Mensagem::conta(qint64 n, const char* um, const char* varios) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? um : varios));
}

} // namespace vidalume
