#include "clients/ChaveNome.h"

namespace vidalume {

QString ChaveNome::de(const QString& texto) {
    const QString decomposto = texto.normalized(QString::NormalizationForm_KD);
    QString r;
    r.reserve(decomposto.size());
    bool espaco = false;
    for (const QChar c : decomposto) {
        if (c.isSpace()) {
            espaco = !r.isEmpty();
            continue;
        }
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        if (espaco) {
            r += u' ';
            espaco = false;
        }
        r += c.toLower();
    }
    return r;
}

QStringList ChaveNome::palavras(const QString& busca) {
    return de(busca).split(u' ', Qt::SkipEmptyParts);
}

} // namespace vidalume
