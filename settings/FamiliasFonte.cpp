#include "settings/FamiliasFonte.h"

#include <QRegularExpression>

namespace vidalume {

QString FamiliasFonte::semFundidora(const QString& familia) {
    static const QRegularExpression kFundidora(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    return QString(familia).remove(kFundidora).trimmed();
}

QStringList FamiliasFonte::limpa(const QStringList& familias) {
    QStringList r;
    for (const QString& familia : familias) {
        const QString nome = semFundidora(familia);
        if (!nome.isEmpty() && !r.contains(nome, Qt::CaseInsensitive)) {
            r << nome;
        }
    }
    r.sort(Qt::CaseInsensitive);
    return r;
}

} // namespace vidalume
