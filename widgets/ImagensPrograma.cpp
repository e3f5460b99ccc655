#include "widgets/ImagensPrograma.h"

#include "settings/PastaDados.h"

#include <QDir>

namespace vidalume {

QString ImagensPrograma::caminho(const QString& pastaPrograma, const QString& nome) {
    return QDir(PastaDados::recursos(pastaPrograma))
        .filePath(QStringLiteral("imagens/%1.svg").arg(nome));
}

QString ImagensPrograma::signo(const QString& pastaPrograma, int indice) {
    return caminho(pastaPrograma, QStringLiteral("signo%1").arg(indice, 2, 10, QLatin1Char('0')));
}

QIcon ImagensPrograma::icone(const QString& pastaPrograma, const QString& nome) {
    return QIcon(caminho(pastaPrograma, nome));
}

} // namespace vidalume
