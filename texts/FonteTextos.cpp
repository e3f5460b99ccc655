#include "texts/FonteTextos.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace vidalume {

namespace {

QString juntaParagrafos(const QStringList& linhas) {
    QStringList paragrafos;
    QStringList atual;
    for (const QString& linha : linhas) {
        const QString limpa = linha.trimmed();
        if (limpa.isEmpty()) {
            if (!atual.isEmpty()) {
                paragrafos.append(atual.join(u' '));
                atual.clear();
            }
        } else {
            atual.append(limpa);
        }
    }
    if (!atual.isEmpty()) {
        paragrafos.append(atual.join(u' '));
    }
    return paragrafos.join(QStringLiteral("\r\n"));
}

} // namespace

QMap<int, QString> FonteTextos::analisa(const QString& fonte, QString* erro) {
    static const QRegularExpression marcador(QStringLiteral(R"(^@@\s+([0-9]+)\s*$)"));
    QMap<int, QString> registros;
    int atual = 0;
    QStringList linhas;
    auto fecha = [&] {
        if (atual > 0) {
            registros.insert(atual, juntaParagrafos(linhas));
        }
        linhas.clear();
    };
    const QStringList todas = fonte.split(QRegularExpression(QStringLiteral("\r?\n")));
    for (qsizetype i = 0; i < todas.size(); ++i) {
        const QString& linha = todas.at(i);
        const auto m = marcador.match(linha);
        if (m.hasMatch()) {
            fecha();
            atual = m.captured(1).toInt();
            if (atual < 1 || registros.contains(atual)) {
                if (erro) {
                    *erro = QStringLiteral("linha %1: registro %2 inválido ou repetido")
                                .arg(i + 1)
                                .arg(m.captured(1));
                }
                return {};
            }
        } else if (atual == 0 && !linha.trimmed().isEmpty()) {
            if (erro) {
                *erro = QStringLiteral("linha %1: texto antes do primeiro registro").arg(i + 1);
            }
            return {};
        } else {
            linhas.append(linha);
        }
    }
    fecha();
    return registros;
}

QMap<int, QString> FonteTextos::carrega(const QString& caminho, QString* erro) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erro) {
            *erro = f.errorString();
        }
        return {};
    }
    return analisa(QString::fromUtf8(f.readAll()), erro);
}

} // namespace vidalume
