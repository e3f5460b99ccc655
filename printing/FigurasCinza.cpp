#include "FigurasCinza.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace vidalume {

namespace {

QString cinza(const QColor& cor) {
    const int g = qGray(cor.rgb());
    return QColor(g, g, g).name();
}

// Replaces every match of `padrao` whose captured group `grupo` is a colour by its grey.
QString trocaCores(const QString& texto, const QRegularExpression& padrao, int grupo) {
    QString r;
    qsizetype inicio = 0;
    for (auto it = padrao.globalMatch(texto); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QColor cor = QColor::fromString(m.captured(grupo));
        if (!cor.isValid() || cor.alpha() == 0) {
            continue;
        }
        r += texto.mid(inicio, m.capturedStart(grupo) - inicio) + cinza(cor);
        inicio = m.capturedEnd(grupo);
    }
    return r + texto.mid(inicio);
}

bool copiaEmCinza(const QString& de, const QString& para) {
    QFile origem(de);
    QFile destino(para);
    return origem.open(QIODevice::ReadOnly) && destino.open(QIODevice::WriteOnly) &&
           destino.write(FigurasCinza::emCinza(origem.readAll())) >= 0;
}

} // namespace

FigurasCinza::FigurasCinza(const QString& pastaPrograma) {
    if (!pasta_.isValid()) {
        return;
    }
    const QDir imagens(QDir(pastaPrograma).filePath(QStringLiteral("imagens")));
    const QDir cinzas(pasta_.path());
    for (const QString& nome : imagens.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        if (!copiaEmCinza(imagens.filePath(nome), cinzas.filePath(nome))) {
            return;
        }
    }
    figuras_ = std::make_unique<FigurasSvg>(pasta_.path());
}

QByteArray FigurasCinza::emCinza(const QByteArray& svg) {
    static const QRegularExpression kHexa(
        QStringLiteral("(#(?:[0-9a-fA-F]{6}|[0-9a-fA-F]{3}))\\b"));
    static const QRegularExpression kNome(
        QStringLiteral("(?:fill|stroke|stop-color|color)\\s*[=:]\\s*[\"']?([a-zA-Z]+)\\b"));
    const QString texto = QString::fromUtf8(svg);
    return trocaCores(trocaCores(texto, kHexa, 1), kNome, 1).toUtf8();
}

} // namespace vidalume
