// The backup of a data folder: one ZIP archive (written and read through libzip) holding every
// interpretation file ("CVIDA.DAT" ...), every settings file ("vidalume.dat", "fontes.dat",
// "rodape.dat", "margens.dat") and the client file "clientes.sqlite" that lie in the folder,
// each as an entry named after the file, without folders.
//
// Restoring checks the whole archive first: it must open as a ZIP archive, hold at least one
// entry, hold only the names above, each once, and every entry must read to its end with its
// recorded size and CRC-32. Only then are the files written, each through GravacaoSegura;
// a damaged archive replaces nothing. Files of the folder that the archive lacks stay as they
// are.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace vidalume {

class CopiaSeguranca {
public:
    using Arquivo = std::pair<QString, QByteArray>; // file name, content

    static inline const QString kArquivoClientes = QStringLiteral("clientes.sqlite");
    // The largest entry a backup may restore (a larger size marks a damaged or hostile file).
    static constexpr qint64 kMaiorArquivo = qint64(1) << 30;

    // Whether `nome` is a file a backup holds.
    static bool nomeConhecido(const QString& nome);
    // The files of `pastaDados` a backup takes, sorted.
    static QStringList arquivos(const QString& pastaDados);

    // The archive of the files of `pastaDados`. None, with a message in `erro`, when a file
    // could not be read or the folder holds none of them.
    static std::optional<QByteArray> compacta(const QString& pastaDados, QString* erro);
    // Checks `zip` as described above and returns its files in archive order. None, with a
    // message in `erro`, when anything is wrong.
    static std::optional<QList<Arquivo>> confere(const QByteArray& zip, QString* erro);

    // Writes the backup of `pastaDados` as `arquivoZip`, replacing it only when complete.
    static bool grava(const QString& pastaDados, const QString& arquivoZip, QString* erro);
    // Reads and checks `arquivoZip`, then writes its files into `pastaDados`. `restaurados`
    // receives the names written. False, with a message in `erro`, when the archive could not
    // be read or is damaged (nothing is written then) or when a file could not be written
    // (the files named in `restaurados` were written before it).
    static bool restaura(const QString& arquivoZip, const QString& pastaDados,
                         QStringList* restaurados, QString* erro);
};

} // namespace vidalume
