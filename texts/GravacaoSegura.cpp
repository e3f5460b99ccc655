// The platform-neutral part of GravacaoSegura: the reasons in Portuguese and the one-call
// save; the work on files is in the platform's own source file.
#include "texts/GravacaoSegura.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace vidalume {

QString GravacaoSegura::caminhoFinal() const {
    return nomeFinal_.isEmpty() ? QString()
                                : QDir(QFileInfo(caminho_).absolutePath()).filePath(nomeFinal_);
}

bool GravacaoSegura::grava(const QString& caminho, const QByteArray& conteudo, QString* erro,
                           Acesso acesso) {
    GravacaoSegura gravacao(caminho, Destino::Substitui, acesso);
    if (!gravacao.abre(erro)) {
        return false;
    }
    gravacao.saida().write(conteudo);
    return gravacao.conclui(erro);
}

bool GravacaoSegura::copiaDe(QIODevice& origem, QString* erro) {
    constexpr qint64 kBloco = 64 * 1024;
    QByteArray bloco(kBloco, Qt::Uninitialized);
    for (;;) {
        const qint64 n = origem.read(bloco.data(), bloco.size());
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (erro) {
                const auto* arquivo = qobject_cast<QFileDevice*>(&origem);
                *erro = arquivo ? QStringLiteral("não foi possível ler o arquivo %1: %2")
                                      .arg(QDir::toNativeSeparators(arquivo->fileName()),
                                           origem.errorString())
                                : origem.errorString();
            }
            return false;
        }
        if (saida().write(bloco.constData(), n) != n) {
            if (erro) {
                *erro = saida().errorString();
            }
            return false;
        }
    }
}

void GravacaoSegura::limpaRestos(const QString& pasta) {
    static const QRegularExpression kResto(QStringLiteral("^\\..+\\.(\\d+)\\.\\d+\\.gravando$"));
    limpaRestos(pasta, kResto, false);
}

void GravacaoSegura::limpaRestos(const QString& pasta, const QRegularExpression& padrao,
                                 bool pastas) {
    const QDir dir(pasta);
    const QFileInfoList entradas = dir.entryInfoList(
        (pastas ? QDir::Dirs : QDir::Files) | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entrada : entradas) {
        const QRegularExpressionMatch m = padrao.match(entrada.fileName());
        if (!m.hasMatch() || !processoTerminou(m.captured(1).toLongLong())) {
            continue;
        }
        if (!pastas || entrada.isSymLink()) {
            QFile::remove(entrada.filePath());
        } else {
            QDir(entrada.filePath()).removeRecursively();
        }
    }
}

QString GravacaoSegura::motivo(Causa causa, int codigo) {
    switch (causa) {
    case Causa::SemEspaco:
        return QStringLiteral("não há espaço livre no disco.");
    case Causa::CotaEsgotada:
        return QStringLiteral("a sua cota de espaço em disco acabou.");
    case Causa::GrandeDemais:
        return QStringLiteral("o arquivo ficaria maior do que o sistema permite.");
    case Causa::SemPermissao:
        return QStringLiteral("você não tem permissão para gravar neste local.");
    case Causa::SoLeitura:
        return QStringLiteral("o disco ou a pasta só permite leitura.");
    case Causa::PastaInexistente:
        return QStringLiteral("a pasta não existe.");
    case Causa::NaoEPasta:
        return QStringLiteral("parte do caminho não é uma pasta.");
    case Causa::EPasta:
        return QStringLiteral("o caminho indica uma pasta, não um arquivo.");
    case Causa::NomeOcupado:
        return QStringLiteral("já existe um arquivo com este nome.");
    case Causa::NomeLongo:
        return QStringLiteral("o nome do arquivo é longo demais.");
    case Causa::ErroDisco:
        return QStringLiteral("houve um erro de leitura ou gravação no disco.");
    case Causa::ArquivosDemais:
        return QStringLiteral("há arquivos abertos demais no sistema.");
    case Causa::SemMemoria:
        return QStringLiteral("falta memória.");
    case Causa::EmUso:
        return QStringLiteral("o arquivo está em uso.");
    case Causa::AtalhosDemais:
        return QStringLiteral("o caminho tem atalhos (links) demais.");
    case Causa::NomeInvalido:
        return QStringLiteral("o sistema de arquivos não aceita este nome.");
    case Causa::Outra:
        break;
    }
    return QStringLiteral("erro do sistema número %1.").arg(codigo);
}

} // namespace vidalume
