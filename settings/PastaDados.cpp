#include "settings/PastaDados.h"

#include "settings/CopiaSeguranca.h"
#include "texts/GravacaoSegura.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

#ifndef VIDALUME_PASTA_INSTALADA_RELATIVA
#define VIDALUME_PASTA_INSTALADA_RELATIVA "../share/vidalume"
#endif

namespace vidalume {

QString PastaDados::instalada(const QString& pastaExecutavel) {
    return QDir::cleanPath(
        QDir(pastaExecutavel).filePath(QStringLiteral(VIDALUME_PASTA_INSTALADA_RELATIVA)));
}

bool PastaDados::nomeProprio(const QString& nome) {
    // A dated copy of a kept file ("CVIDA.DAT.copia-2025-01-31-140509") is kept too.
    const qsizetype copia = nome.indexOf(QLatin1String(".copia-"));
    const QString base = copia > 0 ? nome.left(copia) : nome;
    // The restore's lock and working folders (".restauracao.trava", ".restauracao-PID-...")
    // too: a file written there would hold every later restore back or be swept away by it.
    return CopiaSeguranca::nomeConhecido(base) || nomeInterpretacao(base) ||
           base.startsWith(CopiaSeguranca::kArquivoClientes) ||
           base.startsWith(QLatin1String(".restauracao"));
}

QString PastaDados::recusaProprio(const QString& pastaDados, const QString& caminho) {
    return QStringLiteral("\"%1\" é um arquivo da pasta de dados do Vidalume (%2) e não será "
                          "substituído. Escolha outro nome ou outra pasta.")
        .arg(QDir::toNativeSeparators(caminho), QDir::toNativeSeparators(pastaDados));
}

bool PastaDados::arquivoProprio(const QString& pastaDados, const QString& caminho) {
    const QString pasta = QDir(pastaDados).canonicalPath();
    if (pasta.isEmpty()) {
        return false;
    }
    // Where the path leads once every link is followed, even to a file not yet there.
    QFileInfo alvo(caminho);
    for (int saltos = 0; alvo.isSymLink() && saltos < 40; ++saltos) {
        alvo = QFileInfo(alvo.symLinkTarget());
    }
    const QString pastaAlvo = QDir(alvo.absolutePath()).canonicalPath();
    if (pastaAlvo == pasta && nomeProprio(alvo.fileName())) {
        return true;
    }
    if (!alvo.exists()) {
        return false;
    }
    // Another name of one of the folder's files (a hard link, a mount of the folder elsewhere).
    const QStringList nomes = QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nome : nomes) {
        if (nomeProprio(nome) &&
            GravacaoSegura::mesmoArquivo(QDir(pasta).filePath(nome), alvo.filePath())) {
            return true;
        }
    }
    return false;
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
    // The folder holds the client file: only its owner may enter it. A folder that already
    // exists keeps the mode its owner gave it.
    const QString pai = QFileInfo(pastaUsuario).absolutePath();
    if (!QFileInfo(pastaUsuario).isDir() &&
        (!QDir().mkpath(pai) ||
         (::mkdir(QFile::encodeName(pastaUsuario).constData(), S_IRWXU) != 0 && errno != EEXIST)) &&
        !QFileInfo(pastaUsuario).isDir()) {
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
    // Without these the folder would depend on the working folder or land in "/".
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    const QByteArray home = qgetenv("HOME");
    QString motivo;
    if (!xdg.isEmpty() && !QDir::isAbsolutePath(QFile::decodeName(xdg))) {
        motivo = QStringLiteral("A variável XDG_DATA_HOME (\"%1\") não é um caminho absoluto, e "
                                "um caminho relativo não vale como pasta de dados. Corrija-a ou "
                                "retire-a.")
                     .arg(QFile::decodeName(xdg));
    } else if (xdg.isEmpty() &&
               (home.isEmpty() || !QDir::isAbsolutePath(QFile::decodeName(home)))) {
        motivo = QStringLiteral("A variável HOME não está definida (ou não é um caminho absoluto), "
                                "e sem ela não há onde guardar os textos, as configurações e a "
                                "ficha de clientes.");
    }
    if (!motivo.isEmpty()) {
        if (erro) {
            *erro = motivo;
        }
        return std::nullopt;
    }
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
