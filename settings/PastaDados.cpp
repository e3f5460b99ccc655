#include "settings/PastaDados.h"

#include "texts/GravacaoSegura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#ifndef VIDALUME_PASTA_INSTALADA_RELATIVA
#define VIDALUME_PASTA_INSTALADA_RELATIVA "../share/vidalume"
#endif

namespace vidalume {

QString PastaDados::instalada(const QString& pastaExecutavel) {
    return QDir::cleanPath(
        QDir(pastaExecutavel).filePath(QStringLiteral(VIDALUME_PASTA_INSTALADA_RELATIVA)));
}

bool PastaDados::nomeInterpretacao(const QString& nome) {
    static const QRegularExpression kNome(QStringLiteral("^[A-Z][A-Z0-9]{0,7}\\.DAT$"));
    return kNome.match(nome).hasMatch();
}

QStringList PastaDados::arquivosInterpretacao(const QString& pasta) {
    QStringList nomes;
    const QFileInfoList arquivos =
        QDir(pasta).entryInfoList({QStringLiteral("*.DAT")}, QDir::Files, QDir::Name);
    for (const QFileInfo& arquivo : arquivos) {
        if (nomeInterpretacao(arquivo.fileName())) {
            nomes << arquivo.fileName();
        }
    }
    return nomes;
}

bool PastaDados::portatil(const QString& pastaExecutavel) {
    const QFileInfo pasta(pastaExecutavel);
    const bool gravavel = gravavelTeste ? gravavelTeste(pastaExecutavel) : pasta.isWritable();
    return pasta.isDir() && gravavel && !arquivosInterpretacao(pastaExecutavel).isEmpty();
}

QString PastaDados::somenteLeitura(const QString& pastaExecutavel) {
    return arquivosInterpretacao(pastaExecutavel).isEmpty() ? instalada(pastaExecutavel)
                                                            : pastaExecutavel;
}

bool PastaDados::copiaFaltantes(const QString& origem, const QString& destino, QString* erro) {
    for (const QString& nome : arquivosInterpretacao(origem)) {
        const QString alvo = QDir(destino).filePath(nome);
        if (QFileInfo::exists(alvo) || QFileInfo(alvo).isSymLink()) {
            continue;
        }
        QFile original(QDir(origem).filePath(nome));
        if (!original.open(QIODevice::ReadOnly)) {
            if (erro) {
                *erro =
                    QStringLiteral("Não foi possível ler o arquivo original %1: %2")
                        .arg(QDir::toNativeSeparators(original.fileName()), original.errorString());
            }
            return false;
        }
        const QByteArray bytes = original.readAll();
        GravacaoSegura gravacao(alvo, GravacaoSegura::Destino::NomeNovo);
        if (!gravacao.abre(erro)) {
            return false;
        }
        gravacao.saida().write(bytes);
        // A file of the same name that appeared meanwhile is the user's and stays.
        if (!gravacao.conclui(erro) && !gravacao.nomeOcupado()) {
            return false;
        }
    }
    return true;
}

std::optional<PastaDados::Local> PastaDados::resolve(const QString& pastaExecutavel,
                                                     const QString& pastaUsuario, QString* erro) {
    Local local;
    if (portatil(pastaExecutavel)) {
        local.modo = Modo::Portatil;
        local.dados = pastaExecutavel;
        local.recursos = pastaExecutavel;
        local.originais = instalada(pastaExecutavel);
        return local;
    }
    const QString origem = somenteLeitura(pastaExecutavel);
    if (arquivosInterpretacao(origem).isEmpty()) {
        if (erro) {
            *erro = QStringLiteral("Os arquivos de interpretação do programa não foram "
                                   "encontrados em %1. Reinstale o programa.")
                        .arg(QDir::toNativeSeparators(origem));
        }
        return std::nullopt;
    }
    if (!QDir().mkpath(pastaUsuario)) {
        if (erro) {
            *erro = QStringLiteral("Não foi possível criar a pasta %1, onde ficam os seus textos "
                                   "e configurações.")
                        .arg(QDir::toNativeSeparators(pastaUsuario));
        }
        return std::nullopt;
    }
    GravacaoSegura::limpaRestos(pastaUsuario);
    if (!copiaFaltantes(origem, pastaUsuario, erro)) {
        return std::nullopt;
    }
    local.modo = Modo::Instalado;
    local.dados = pastaUsuario;
    local.recursos = origem;
    local.originais = origem;
    return local;
}

std::optional<PastaDados::Local> PastaDados::doPrograma(QString* erro) {
    const QString usuario =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("Vidalume"));
    return resolve(QCoreApplication::applicationDirPath(), usuario, erro);
}

QString& PastaDados::recursosDefinidos() {
    static QString pasta;
    return pasta;
}

QString PastaDados::recursos(const QString& pastaDados) {
    const QString& definida = recursosDefinidos();
    return definida.isEmpty() ? pastaDados : definida;
}

void PastaDados::usaRecursos(const QString& pasta) {
    recursosDefinidos() = pasta;
}

} // namespace vidalume
