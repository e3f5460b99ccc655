#include "texts/ArquivoInterpretacao.h"

#include "engine/Windows1252.h"
#include "texts/ArquivoRegistros.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <utility>

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

struct Avisos {
    QMutex trava;
    QSet<QString> ditos;
    QStringList pendentes;
};

Avisos& avisos() {
    static Avisos a;
    return a;
}

// Where this thread's faults go while an ArquivoInterpretacao::Coleta lives.
thread_local QStringList* coletaDaThread = nullptr;

void avisa(const QString& caminho, const QString& defeito) {
    Avisos& a = avisos();
    const QMutexLocker trava(&a.trava);
    const QString chave = caminho + u'\n' + defeito;
    if (a.ditos.contains(chave)) {
        return;
    }
    a.ditos.insert(chave);
    QStringList& destino = coletaDaThread != nullptr ? *coletaDaThread : a.pendentes;
    destino << QStringLiteral("O arquivo de interpretação %1 (%2) %3; o texto que ele guarda "
                              "saiu em branco na análise.")
                   .arg(QFileInfo(caminho).fileName(), QDir::toNativeSeparators(caminho), defeito);
}

// Notes what is wrong with `caminho` after `lidos` bytes were read from `deslocamento`: a
// file cut in the middle of a record is damaged even where the record asked for is whole.
void confereLeitura(const QString& caminho, qint64 deslocamento, qsizetype lidos) {
    const QFileInfo info(caminho);
    if (!info.exists()) {
        avisa(caminho, QStringLiteral("não foi encontrado"));
    } else if (!info.isFile() || !info.isReadable()) {
        avisa(caminho, QStringLiteral("não pode ser lido"));
    } else if (info.size() % ArquivoInterpretacao::kTamanhoRegistro != 0) {
        avisa(caminho, QStringLiteral("está danificado (cortado no meio de um registro)"));
    } else if (lidos < ArquivoInterpretacao::kTamanhoRegistro) {
        avisa(caminho, deslocamento >= info.size()
                           ? QStringLiteral("está incompleto (faltam registros no fim)")
                           : QStringLiteral("não pode ser lido"));
    }
}

} // namespace

QStringList ArquivoInterpretacao::avisosNovos() {
    Avisos& a = avisos();
    const QMutexLocker trava(&a.trava);
    return std::exchange(a.pendentes, {});
}

ArquivoInterpretacao::Coleta::Coleta() : anterior_(coletaDaThread) {
    coletaDaThread = &avisos_;
}

ArquivoInterpretacao::Coleta::~Coleta() {
    coletaDaThread = anterior_;
}

QString ArquivoInterpretacao::caminho(const QString& arquivo) const {
    return QDir(pasta_).filePath(arquivo);
}

QString ArquivoInterpretacao::LeTextoInterpretacao(int posicao, const QString& arquivo) const {
    if (posicao < 1) {
        return {};
    }
    const qint64 deslocamento = qint64(posicao - 1) * kTamanhoRegistro;
    const QByteArray bytes = ArquivoRegistros::le(caminho(arquivo), deslocamento, kTamanhoRegistro);
    confereLeitura(caminho(arquivo), deslocamento, bytes.size());
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
