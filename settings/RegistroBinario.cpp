#include "settings/RegistroBinario.h"

namespace vidalume {

std::optional<qint16> RegistroBinario::leInt16(const QByteArray& b, qsizetype pos) {
    if (pos < 0 || pos + 2 > b.size()) {
        return std::nullopt;
    }
    return qFromLittleEndian<qint16>(b.constData() + pos);
}

std::optional<quint16> RegistroBinario::leUInt16(const QByteArray& b, qsizetype pos) {
    if (pos < 0 || pos + 2 > b.size()) {
        return std::nullopt;
    }
    return qFromLittleEndian<quint16>(b.constData() + pos);
}

std::optional<float> RegistroBinario::leFloat(const QByteArray& b, qsizetype pos) {
    if (pos < 0 || pos + 4 > b.size()) {
        return std::nullopt;
    }
    const quint32 bits = qFromLittleEndian<quint32>(b.constData() + pos);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void RegistroBinario::escreveInt16(QByteArray& b, qsizetype pos, qint16 v) {
    qToLittleEndian<qint16>(v, b.data() + pos);
}

void RegistroBinario::escreveUInt16(QByteArray& b, qsizetype pos, quint16 v) {
    qToLittleEndian<quint16>(v, b.data() + pos);
}

void RegistroBinario::escreveFloat(QByteArray& b, qsizetype pos, float v) {
    quint32 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian<quint32>(bits, b.data() + pos);
}

} // namespace vidalume
