#include "cli/comandos/ListaIlegivel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace vidalume {

bool ListaIlegivel::lista(const QString& arquivo) {
    struct stat estado {};
    return ::stat(QFile::encodeName(arquivo).constData(), &estado) == 0 &&
           (S_ISREG(estado.st_mode) || S_ISFIFO(estado.st_mode));
}

QString ListaIlegivel::mensagem(const QString& arquivo) {
    const QFileInfo info(arquivo);
    QString motivo = QStringLiteral("não foi possível abrir o arquivo.");
    if (!info.exists()) {
        motivo = QStringLiteral("o arquivo não existe.");
    } else if (info.isDir()) {
        motivo = QStringLiteral("o caminho indica uma pasta, não um arquivo.");
    } else if (!lista(arquivo)) {
        motivo = QStringLiteral("não é um arquivo comum (é um dispositivo ou um soquete).");
    } else if (!info.isReadable()) {
        motivo = QStringLiteral("você não tem permissão para ler o arquivo.");
    }
    return QStringLiteral("Não foi possível ler a lista \"%1\": %2")
        .arg(QDir::toNativeSeparators(arquivo), motivo);
}

} // namespace vidalume
