// Windows-1252 conversion through QStringConverter, with '?' for what the code page lacks.
#include "engine/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vidalume {

namespace {

constexpr const char* kNomeCodificacao = "windows-1252";

QStringDecoder& decodificador() {
    thread_local QStringDecoder dec(kNomeCodificacao);
    return dec;
}

qsizetype pontosDeCodigo(const QString& texto) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < texto.size(); ++i, ++n) {
        if (texto.at(i).isHighSurrogate() && i + 1 < texto.size() &&
            texto.at(i + 1).isLowSurrogate()) {
            ++i;
        }
    }
    return n;
}

// The converter writes the substitute byte 0x1A for every code point the code page lacks;
// those become '?' (a real U+001A in the text stays 0x1A).
QByteArray trocaSubstitutos(const QString& texto, QByteArray bytes) {
    qsizetype b = 0;
    for (qsizetype i = 0; i < texto.size(); ++i, ++b) {
        const bool par = texto.at(i).isHighSurrogate() && i + 1 < texto.size() &&
                         texto.at(i + 1).isLowSurrogate();
        if (bytes.at(b) == '\x1a' && (par || texto.at(i) != QChar(0x1A))) {
            bytes[b] = '?';
        }
        if (par) {
            ++i;
        }
    }
    return bytes;
}

} // namespace

QString Windows1252::decodifica(const QByteArray& bytes) {
    auto& dec = decodificador();
    dec.resetState();
    QString texto = dec.decode(bytes);
    if (!dec.isValid() || texto.size() != bytes.size()) {
        // Without a working converter, fall back to Latin-1, which also maps byte to byte.
        return QString::fromLatin1(bytes);
    }
    return texto;
}

QByteArray Windows1252::codifica(const QString& texto) {
    // A fresh converter per call: one that met an unrepresentable character stays in
    // its error state.
    QStringEncoder enc(kNomeCodificacao);
    QByteArray bytes = enc.encode(texto);
    if (!enc.hasError() && bytes.size() == texto.size()) {
        return bytes;
    }
    if (bytes.size() == pontosDeCodigo(texto)) {
        return trocaSubstitutos(texto, bytes);
    }
    // Unexpected converter output: keep what is plain ASCII, mark the rest.
    QByteArray seguro;
    seguro.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t u = texto.at(i).unicode();
        seguro.append(u < 0x80 ? char(u) : '?');
        if (texto.at(i).isHighSurrogate() && i + 1 < texto.size()) {
            ++i;
        }
    }
    return seguro;
}

QString Windows1252::restringe(const QString& texto) {
    return decodifica(codifica(texto));
}

} // namespace vidalume
