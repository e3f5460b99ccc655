#include "texts/ArquivoRegistros.h"

#include "texts/GravacaoSegura.h"

#include <QFile>
#include <QFileInfo>

namespace vidalume {

QByteArray ArquivoRegistros::le(const QString& caminho, qint64 deslocamento, qint64 tamanho) {
    if (deslocamento < 0 || tamanho <= 0) {
        return {};
    }
    QFile f(caminho);
    if (!QFileInfo(caminho).isFile() || !f.open(QIODevice::ReadOnly)) {
        return {};
    }
    if (deslocamento >= f.size() || !f.seek(deslocamento)) {
        return {};
    }
    return f.read(tamanho);
}

bool ArquivoRegistros::temConteudo(const QString& caminho) {
    const QFileInfo info(caminho);
    return info.isFile() && info.size() > 0;
}

bool ArquivoRegistros::grava(const QString& caminho, qint64 deslocamento, const QByteArray& bytes,
                             char preenchimento, QString* erro) {
    auto falha = [&](const QString& motivo) {
        if (erro) {
            *erro = QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                        .arg(QFileInfo(caminho).fileName(), motivo);
        }
        return false;
    };
    if (deslocamento < 0) {
        return falha(QStringLiteral("posição inválida."));
    }
    const QFileInfo info(caminho);
    if (info.exists() && !info.isFile()) {
        return falha(info.isDir() ? QStringLiteral("existe uma pasta com este nome.")
                                  : QStringLiteral("existe com este nome um arquivo especial, "
                                                   "que não pode ser substituído."));
    }

    QByteArray conteudo;
    if (info.exists()) {
        QFile antigo(caminho);
        if (!antigo.open(QIODevice::ReadOnly)) {
            return falha(QStringLiteral("não foi possível ler o arquivo atual."));
        }
        conteudo = antigo.readAll();
        if (antigo.error() != QFileDevice::NoError) {
            return falha(QStringLiteral("não foi possível ler o arquivo atual."));
        }
    }
    if (conteudo.size() < deslocamento) {
        conteudo.append(QByteArray(deslocamento - conteudo.size(), preenchimento));
    }
    conteudo.replace(deslocamento, std::min<qint64>(bytes.size(), conteudo.size() - deslocamento),
                     bytes);

    QString motivo;
    if (!GravacaoSegura::grava(caminho, conteudo, &motivo)) {
        return falha(motivo);
    }
    return true;
}

} // namespace vidalume
