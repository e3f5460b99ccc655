// Byte-level access to the program's fixed-record files. Every file is opened for one
// operation and closed at once. Writes replace the whole file atomically (write to a
// temporary file, then rename), so a crash mid-write leaves the old or the new content,
// never a torn file.
#pragma once

#include <QByteArray>
#include <QString>

namespace vidalume {

class ArquivoRegistros {
public:
    // Up to `tamanho` bytes from `deslocamento`; fewer (or none) when the file is shorter,
    // missing or unreadable.
    static QByteArray le(const QString& caminho, qint64 deslocamento, qint64 tamanho);

    // Whether the file exists as a regular file with at least one byte.
    static bool temConteudo(const QString& caminho);

    // Writes `bytes` at `deslocamento`, keeping every other byte of the file as it was. A
    // gap between the old end and `deslocamento` is filled with `preenchimento`. Returns
    // false with a message in Portuguese in `erro` when the file could not be written.
    static bool grava(const QString& caminho, qint64 deslocamento, const QByteArray& bytes,
                      char preenchimento, QString* erro = nullptr);
};

} // namespace vidalume
