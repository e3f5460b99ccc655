#include "texts/ArquivoInterpretacao.h"

#include "engine/Windows1252.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>

namespace vidalume {

namespace {

QString semEspacosNasPontas(const QString& texto) {
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && texto.at(inicio) == u' ') {
        ++inicio;
    }
    while (fim > inicio && texto.at(fim - 1) == u' ') {
        --fim;
    }
    return texto.mid(inicio, fim - inicio);
}

} // namespace

QString ArquivoInterpretacao::caminho(const QString& arquivo) const {
    return QDir(pasta_).filePath(arquivo);
}

QString ArquivoInterpretacao::LeTextoInterpretacao(int posicao, const QString& arquivo) const {
    if (posicao < 1) {
        return {};
    }
    const qint64 deslocamento = qint64(posicao - 1) * kTamanhoRegistro;
    const QByteArray bytes = ArquivoRegistros::le(caminho(arquivo), deslocamento, kTamanhoRegistro);
    return semEspacosNasPontas(Windows1252::decodifica(bytes));
}

QByteArray ArquivoInterpretacao::registro(const QString& texto) {
    QByteArray bytes = Windows1252::codifica(texto.left(kTamanhoRegistro));
    bytes.truncate(kTamanhoRegistro);
    bytes.append(QByteArray(kTamanhoRegistro - bytes.size(), ' '));
    return bytes;
}

bool ArquivoInterpretacao::GravaTextoInterpretacao(int posicao, const QString& arquivo,
                                                   const QString& texto, QString* erro) const {
    if (posicao < 1) {
        if (erro) {
            *erro = QStringLiteral("Número de registro inválido: %1.").arg(posicao);
        }
        return false;
    }
    const qint64 deslocamento = qint64(posicao - 1) * kTamanhoRegistro;
    return ArquivoRegistros::grava(caminho(arquivo), deslocamento, registro(texto), ' ', erro);
}

} // namespace vidalume
