#include "gui/comum/ImagensPrograma.h"

#include "report/Figura.h"
#include "settings/PastaDados.h"

#include <QDir>

namespace vidalume {

QString ImagensPrograma::caminho(const QString& pastaPrograma, const QString& nome) {
    return QDir(PastaDados::recursos(pastaPrograma))
        .filePath(Figura::kPasta + u'/' + nome + QStringLiteral(".svg"));
}

QString ImagensPrograma::signo(const QString& pastaPrograma, int indice) {
    return QDir(pastaPrograma)
        .filePath(Figura::kPasta + u'/' + Figura::doSigno(indice).nomeArquivo());
}

QIcon ImagensPrograma::icone(const QString& pastaPrograma, const QString& nome) {
    return QIcon(caminho(pastaPrograma, nome));
}

} // namespace vidalume
