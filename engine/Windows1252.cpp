// Windows-1252 conversion through QStringConverter, with '?' for what the code page lacks.
#include "Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vidalume {

namespace {

constexpr const char* kNomeCodificacao = "windows-1252";

QStringEncoder& codificador() {
    thread_local QStringEncoder enc(kNomeCodificacao);
    return enc;
}

QStringDecoder& decodificador() {
    thread_local QStringDecoder dec(kNomeCodificacao);
    return dec;
}

// Whole-text conversion is the fast path; this slower path converts one code point at a
// time so that each unrepresentable one becomes exactly one '?'.
QByteArray codificaPorCaractere(const QString& texto) {
    QByteArray saida;
    saida.reserve(texto.size());
    auto& enc = codificador();
    for (qsizetype i = 0; i < texto.size(); ++i) {
        qsizetype n = (texto.at(i).isHighSurrogate() && i + 1 < texto.size() &&
                       texto.at(i + 1).isLowSurrogate())
                          ? 2
                          : 1;
        enc.resetState();
        QByteArray um = enc.encode(QStringView(texto).mid(i, n));
        if (enc.hasError() || um.size() != 1) {
            saida.append('?');
        } else {
            saida.append(um);
        }
        i += n - 1;
    }
    enc.resetState();
    return saida;
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
    auto& enc = codificador();
    enc.resetState();
    QByteArray bytes = enc.encode(texto);
    if (!enc.hasError() && bytes.size() == texto.size()) {
        return bytes;
    }
    return codificaPorCaractere(texto);
}

QString Windows1252::restringe(const QString& texto) { return decodifica(codifica(texto)); }

} // namespace vidalume
