#include "cli/comandos/ListaIlegivel.h"

#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vidalume {

bool ListaIlegivel::lista(const QString& arquivo) {
    return GravacaoSegura::arquivoOuCanal(arquivo);
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
