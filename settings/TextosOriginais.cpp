#include "settings/TextosOriginais.h"

#include "settings/PastaDados.h"
#include "texts/GravacaoSegura.h"
#include "texts/Mensagem.h"
#include "texts/TabelaSecoes.h"
#include "texts/TextosAvulsos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <optional>

namespace vidalume {

namespace {

std::optional<QByteArray> le(const QString& caminho, QString* erro) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        Mensagem::falha(erro, QStringLiteral("Não foi possível ler o arquivo %1: %2")
                                  .arg(QDir::toNativeSeparators(caminho), arquivo.errorString()));
        return std::nullopt;
    }
    return arquivo.readAll();
}

// Writes `bytes` under the first free name among `nome`, `nome-2`, `nome-3` ...
bool gravaCopia(const QString& pasta, const QString& nome, const QByteArray& bytes,
                QString* nomeFinal, QString* erro) {
    GravacaoSegura gravacao(QDir(pasta).filePath(nome), GravacaoSegura::Destino::NomeNovo);
    if (!gravacao.abre(erro)) {
        return false;
    }
    gravacao.saida().write(bytes);
    QString candidato = nome;
    for (int n = 2; !gravacao.conclui(erro, candidato); ++n) {
        if (!gravacao.nomeOcupado() || n > 1000) {
            return false;
        }
        candidato = QStringLiteral("%1-%2").arg(nome).arg(n);
    }
    *nomeFinal = candidato;
    return true;
}

} // namespace

const QString TextosOriginais::kEmbutidos = QStringLiteral(":/textos-originais");

QString TextosOriginais::origem(const QString& pastaOriginais) {
    return arquivos(kEmbutidos).isEmpty() ? pastaOriginais : kEmbutidos;
}

QStringList TextosOriginais::recriaFaltantes(const QString& origem, const QString& pastaDados,
                                             QString* erro) {
    QStringList recriados;
    for (const QString& nome : arquivos(origem)) {
        const QString caminho = QDir(pastaDados).filePath(nome);
        if (QFileInfo::exists(caminho) || QFileInfo(caminho).isSymLink()) {
            continue;
        }
        const auto bytes = le(QDir(origem).filePath(nome), erro);
        if (!bytes) {
            break;
        }
        GravacaoSegura gravacao(caminho, GravacaoSegura::Destino::NomeNovo);
        if (!gravacao.abre(erro)) {
            break;
        }
        gravacao.saida().write(*bytes);
        if (gravacao.conclui(erro)) {
            recriados << nome;
        } else if (!gravacao.nomeOcupado()) {
            break;
        } else if (erro) {
            erro->clear(); // written meanwhile by someone else: theirs is kept
        }
    }
    return recriados;
}

QString TextosOriginais::avisoRecriados(const QStringList& recriados) {
    QStringList descricoes;
    for (const QString& nome : recriados) {
        descricoes << descricao(nome);
    }
    return QStringLiteral("A pasta de dados não tinha alguns arquivos de textos desta versão do "
                          "programa. Eles foram criados com os textos originais: %1.")
        .arg(descricoes.join(QStringLiteral("; ")));
}

QStringList TextosOriginais::arquivos(const QString& pastaOriginais) {
    return PastaDados::arquivosInterpretacao(pastaOriginais);
}

QString TextosOriginais::descricao(const QString& arquivo) {
    QString assunto;
    if (arquivo == TabelaSecoes::kArquivoExplicacoes) {
        assunto = QStringLiteral("Explicações dos grupos de números");
    } else if (arquivo == TabelaSecoes::kArquivoExplicacoesMapa) {
        assunto = QStringLiteral("Explicações do mapa cármico e da Linha da Vida");
    } else if (arquivo == TabelaSecoes::kArquivoCompatibilidade) {
        assunto = QStringLiteral("Compatibilidade entre duas pessoas");
    } else if (arquivo == TabelaSecoes::kArquivoAviso) {
        assunto = QStringLiteral("Aviso ao final de cada estudo");
    }
    for (int k = 1; k <= TabelaSecoes::kUltima && assunto.isEmpty(); ++k) {
        if (TabelaSecoes::arquivo(k) == arquivo) {
            // A file shared by several sections is named after the first of them.
            assunto = QString::fromUtf16(TabelaSecoes::secao(k).legenda);
            if (k + 1 <= TabelaSecoes::kUltima && TabelaSecoes::arquivo(k + 1) == arquivo) {
                assunto += QStringLiteral(" e seguintes");
            }
        }
    }
    if (const TextoAvulso* avulso = TextosAvulsos::doArquivo(arquivo);
        assunto.isEmpty() && avulso) {
        assunto = avulso->titulo;
    }
    return assunto.isEmpty() ? arquivo : QStringLiteral("%1 (%2)").arg(assunto, arquivo);
}

QString TextosOriginais::nomeCopia(const QString& arquivo, const QDateTime& quando) {
    return QStringLiteral("%1.copia-%2")
        .arg(arquivo, quando.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

bool TextosOriginais::restaura(const QString& pastaOriginais, const QString& pastaDados,
                               const QStringList& arquivos, const QDateTime& quando,
                               QStringList* copias, QStringList* restaurados, QString* erro) {
    QList<QByteArray> originais;
    for (const QString& nome : arquivos) {
        if (!PastaDados::nomeInterpretacao(nome)) {
            return Mensagem::falha(erro,
                                   QStringLiteral("%1 não é um arquivo de textos.").arg(nome));
        }
        const auto bytes = le(QDir(pastaOriginais).filePath(nome), erro);
        if (!bytes) {
            return false;
        }
        originais << *bytes;
    }
    for (qsizetype i = 0; i < arquivos.size(); ++i) {
        const QString caminho = QDir(pastaDados).filePath(arquivos[i]);
        if (QFileInfo::exists(caminho)) {
            const auto atual = le(caminho, erro);
            if (!atual) {
                return false;
            }
            if (*atual == originais[i]) {
                continue;
            }
            QString copia;
            if (!gravaCopia(pastaDados, nomeCopia(arquivos[i], quando), *atual, &copia, erro)) {
                return false;
            }
            if (copias) {
                *copias << copia;
            }
        }
        if (!GravacaoSegura::grava(caminho, originais[i], erro)) {
            return false;
        }
        if (restaurados) {
            *restaurados << arquivos[i];
        }
    }
    return true;
}

} // namespace vidalume
