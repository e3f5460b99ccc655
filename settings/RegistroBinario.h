// Little-endian field access inside a byte buffer, for the settings records. Reads past
// the end of the buffer report failure so that short files can take defaults.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstring>
#include <optional>

namespace vidalume {

class RegistroBinario {
public:
    static std::optional<qint16> leInt16(const QByteArray& b, qsizetype pos);
    static std::optional<quint16> leUInt16(const QByteArray& b, qsizetype pos);
    static std::optional<float> leFloat(const QByteArray& b, qsizetype pos);
    static void escreveInt16(QByteArray& b, qsizetype pos, qint16 v);
    static void escreveUInt16(QByteArray& b, qsizetype pos, quint16 v);
    static void escreveFloat(QByteArray& b, qsizetype pos, float v);
};

} // namespace vidalume
