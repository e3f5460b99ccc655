#include "printing/painter/FigurasCinza.h"
#include "report/Figura.h"
#include "settings/PastaDados.h"

#include <QColor>
#include <QDir>
#include <QRegularExpression>

#include <map>
#include <memory>

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

} // namespace

FigurasSvg& FigurasCinza::daPasta(const QString& pastaPrograma) {
    thread_local std::map<QString, std::unique_ptr<FigurasSvg>> porPasta; // see FigurasSvg
    const QString pasta =
        QDir::cleanPath(QDir(PastaDados::recursos(pastaPrograma)).filePath(Figura::kPasta));
    auto& figuras = porPasta[pasta];
    if (!figuras) {
        figuras = std::make_unique<FigurasSvg>(pasta, &FigurasCinza::emCinza);
    }
    return *figuras;
}

QByteArray FigurasCinza::emCinza(const QByteArray& svg) {
    thread_local const QRegularExpression kHexa(
        QStringLiteral("(#(?:[0-9a-fA-F]{6}|[0-9a-fA-F]{3}))\\b"));
    thread_local const QRegularExpression kNome(
        QStringLiteral("(?:fill|stroke|stop-color|color)\\s*[=:]\\s*[\"']?([a-zA-Z]+)\\b"));
    const QString texto = QString::fromUtf8(svg);
    return trocaCores(trocaCores(texto, kHexa, 1), kNome, 1).toUtf8();
}

} // namespace vidalume
