#include "printing/NomeArquivoPdf.h"

#include <QDir>
#include <QFileInfo>

namespace vidalume {

namespace {

bool letraOuDigito(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

// Letters and digits kept, a letter with marks as its base letter ("É" as "E", "Ç" as "C"),
// every other run of characters turned into one "_", none at the ends.
QString limpa(const QString& texto) {
    QString r;
    bool separar = false;
    for (const QChar c : texto.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        if (!letraOuDigito(c)) {
            separar = !r.isEmpty();
            continue;
        }
        if (separar) {
            r += u'_';
            separar = false;
        }
        r += c;
    }
    return r;
}

} // namespace

QString NomeArquivoPdf::sugere(const QString& NomeAnalise, const QString& DataNascimento) {
    QString nome = limpa(NomeAnalise.left(kMaximoNome));
    if (nome.isEmpty()) {
        nome = QStringLiteral("ANALISE");
    }
    QString data = DataNascimento;
    data.replace(u'/', u'-');
    data = limpa(data).replace(u'_', u'-');
    return data.isEmpty() ? nome + QStringLiteral(".pdf")
                          : nome + u'_' + data + QStringLiteral(".pdf");
}

QString NomeArquivoPdf::livre(const QString& pasta, const QString& arquivo) {
    const QDir dir(pasta);
    if (!QFileInfo::exists(dir.filePath(arquivo))) {
        return dir.filePath(arquivo);
    }
    const QFileInfo info(arquivo);
    const QString base = info.completeBaseName();
    const QString sufixo = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int n = 2;; ++n) {
        const QString candidato =
            dir.filePath(QStringLiteral("%1 (%2)%3").arg(base, QString::number(n), sufixo));
        if (!QFileInfo::exists(candidato)) {
            return candidato;
        }
    }
}

} // namespace vidalume
