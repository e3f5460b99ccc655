// Whole-file writes and reads for the fuzz targets; a write that fails stops the run, since
// every later check would read a file the target never wrote.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdlib>

namespace vidalume::fuzz {

inline void escreve(const QString& caminho, const QByteArray& b) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly)) {
        std::abort();
    }
    f.write(b);
}

inline QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace vidalume::fuzz
