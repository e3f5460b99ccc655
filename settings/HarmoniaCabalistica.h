// The table of harmony between Destino and Expressão of the cabalística school as the
// numerologist keeps it, in its own file "harmonia.dat"; a missing or short file gives the
// shipped table for the rows it does not reach.
//
// Record layout (one 48-byte record, little-endian 16-bit integers): for each Destino in
// the order 1, 2, ..., 9, 11, 22, at offset 4 * row, two masks of Expressões, favourable
// then unfavourable (bit i for the i-th of 1, 2, ..., 9, 11, 22; a bit set in both reads as
// favourable); bytes 44 to 47 reserved, written as zeros.
#pragma once

#include "engine/TabelaHarmonia.h"

#include <QByteArray>
#include <QString>

namespace vidalume {

class HarmoniaCabalistica {
public:
    static constexpr int kTamanhoRegistro = 48;
    static inline const QString kArquivo = QStringLiteral("harmonia.dat");

    static TabelaHarmonia deBytes(const QByteArray& bytes);
    static QByteArray paraBytes(const TabelaHarmonia& tabela);

    // Reads the file without ever writing it: the shipped table when it is missing.
    static TabelaHarmonia le(const QString& pasta);
    // Writes the whole record through the checked writer.
    static bool grava(const QString& pasta, const TabelaHarmonia& tabela, QString* erro = nullptr);
};

} // namespace vidalume
