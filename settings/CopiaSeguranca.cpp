#include "settings/CopiaSeguranca.h"

#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/GravacaoSegura.h"
#include "texts/TextosConhecidos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <zip.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace vidalume {

namespace {

constexpr qint64 kBloco = 64 * 1024;
const QString kPrefixoComentario = QStringLiteral("Vidalume ");

bool falha(QString* erro, const QString& mensagem) {
    if (erro) {
        *erro = mensagem;
    }
    return false;
}

struct DescartaZip {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using Zip = std::unique_ptr<zip_t, DescartaZip>;

struct FechaArquivo {
    void operator()(zip_file_t* arquivo) const { zip_fclose(arquivo); }
};

// The fixed size of each settings file: its whole record (a shorter file is read with
// defaults for what it lacks, so it may be restored too).
const QHash<QString, qint64>& tamanhosConfiguracao() {
    static const QHash<QString, qint64> kTamanhos = {
        {Configuracao::kArquivo, Configuracao::kTamanhoRegistro},
        {FontesAnalise::kArquivo, FontesAnalise::kTamanhoRegistro},
        {LinhasRodape::kArquivo, 3 * LinhasRodape::kTamanhoRegistro},
        {Margens::kArquivo, Configuracao::kTamanhoRegistro},
        {OpcoesMapa::kArquivo, OpcoesMapa::kTamanhoRegistro},
        {HarmoniaCabalistica::kArquivo, HarmoniaCabalistica::kTamanhoRegistro},
    };
    return kTamanhos;
}

QString inicial(const QString& motivo) {
    return motivo.isEmpty() ? motivo : motivo[0].toUpper() + motivo.mid(1);
}

// Copies `origem` whole into `gravacao`, a block at a time.
bool copiaPara(QFile& origem, GravacaoSegura& gravacao, QString* erro) {
    QByteArray bloco(kBloco, Qt::Uninitialized);
    for (;;) {
        const qint64 n = origem.read(bloco.data(), bloco.size());
        if (n < 0) {
            return falha(
                erro, QStringLiteral("não foi possível ler o arquivo %1: %2")
                          .arg(QDir::toNativeSeparators(origem.fileName()), origem.errorString()));
        }
        if (n == 0) {
            return true;
        }
        gravacao.saida().write(bloco.constData(), n);
    }
}

} // namespace

CopiaSeguranca::Tipo CopiaSeguranca::tipo(const QString& nome) {
    if (nome == kArquivoClientes) {
        return Tipo::Clientes;
    }
    if (tamanhosConfiguracao().contains(nome)) {
        return Tipo::Configuracao;
    }
    return TextosConhecidos::conhece(nome) ? Tipo::Texto : Tipo::Nenhum;
}

qint64 CopiaSeguranca::maiorTamanho(const QString& nome) {
    switch (tipo(nome)) {
    case Tipo::Clientes:
        return kMaiorFicha;
    case Tipo::Configuracao:
        return tamanhosConfiguracao().value(nome);
    case Tipo::Texto:
        return kMaiorTexto;
    case Tipo::Nenhum:
        break;
    }
    return 0;
}

QString CopiaSeguranca::confereTamanho(const QString& nome, qint64 tamanho) {
    switch (tipo(nome)) {
    case Tipo::Texto:
        if (tamanho == 0 || tamanho % ArquivoInterpretacao::kTamanhoRegistro != 0) {
            return QStringLiteral("não é formado por registros inteiros de %1 bytes.")
                .arg(ArquivoInterpretacao::kTamanhoRegistro);
        }
        break;
    case Tipo::Configuracao:
        if (tamanho == 0) {
            return QStringLiteral("está vazio.");
        }
        break;
    case Tipo::Clientes:
    case Tipo::Nenhum:
        break;
    }
    return tamanho > maiorTamanho(nome)
               ? QStringLiteral("tem %1 bytes, mais do que esse arquivo pode ter (%2).")
                     .arg(tamanho)
                     .arg(maiorTamanho(nome))
               : QString();
}

QStringList CopiaSeguranca::arquivos(const QString& pastaDados) {
    QStringList nomes;
    for (const QFileInfo& arquivo : QDir(pastaDados).entryInfoList(QDir::Files, QDir::Name)) {
        const Tipo t = tipo(arquivo.fileName());
        if ((t == Tipo::Texto || t == Tipo::Configuracao) && !arquivo.isSymLink()) {
            nomes << arquivo.fileName();
        }
    }
    return nomes;
}

QString CopiaSeguranca::danificada(const QString& arquivoZip, const QString& motivo) {
    return QStringLiteral("O arquivo %1 não é uma cópia de segurança do Vidalume que possa ser "
                          "restaurada: %2 Nenhum arquivo foi alterado.")
        .arg(QDir::toNativeSeparators(arquivoZip), inicial(motivo));
}

bool CopiaSeguranca::grava(const QList<Entrada>& entradas, const QDateTime& quando,
                           const QString& arquivoZip, const QString& pastaTrabalho, QString* erro) {
    const QString montagem = QDir(pastaTrabalho).filePath(QStringLiteral("copia.zip"));
    const QString naoMontada =
        QStringLiteral("Não foi possível montar a cópia de segurança em %1%2")
            .arg(QDir::toNativeSeparators(pastaTrabalho));
    int codigo = 0;
    Zip zip(zip_open(QFile::encodeName(montagem).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codigo));
    if (!zip) {
        return falha(erro, naoMontada.arg(QStringLiteral(".")));
    }
    for (const Entrada& e : entradas) {
        zip_source_t* fonte =
            zip_source_file(zip.get(), QFile::encodeName(e.caminho).constData(), 0, -1);
        const zip_int64_t indice =
            fonte ? zip_file_add(zip.get(), e.nome.toUtf8().constData(), fonte, ZIP_FL_ENC_UTF_8)
                  : -1;
        if (indice < 0) {
            if (fonte) {
                zip_source_free(fonte);
            }
            return falha(erro, QStringLiteral("Não foi possível ler o arquivo %1.")
                                   .arg(QDir::toNativeSeparators(e.caminho)));
        }
        zip_set_file_compression(zip.get(), zip_uint64_t(indice), ZIP_CM_DEFLATE, 9);
        zip_file_set_mtime(zip.get(), zip_uint64_t(indice),
                           time_t(QFileInfo(e.caminho).lastModified().toSecsSinceEpoch()), 0);
    }
    const QByteArray comentario =
        (kPrefixoComentario + quando.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))).toUtf8();
    zip_set_archive_comment(zip.get(), comentario.constData(), zip_uint16_t(comentario.size()));
    if (zip_close(zip.get()) < 0) {
        // libzip's own texts are in English: only a system error is passed on, in Portuguese.
        zip_error_t* codigoZip = zip_get_error(zip.get());
        const QString motivo =
            zip_error_system_type(codigoZip) == ZIP_ET_SYS
                ? GravacaoSegura::motivo(zip_error_code_system(codigoZip))
                : QStringLiteral("um dos arquivos não pôde ser lido ou compactado.");
        return falha(erro, naoMontada.arg(QStringLiteral(": ") + motivo));
    }
    zip.release(); // closed and freed by zip_close

    QFile montado(montagem);
    if (!montado.open(QIODevice::ReadOnly)) {
        return falha(erro, naoMontada.arg(QStringLiteral(": ") + montado.errorString()));
    }
    GravacaoSegura gravacao(arquivoZip, GravacaoSegura::Destino::Substitui,
                            GravacaoSegura::Acesso::SoDono);
    QString motivo;
    if (!gravacao.abre(&motivo) || !copiaPara(montado, gravacao, &motivo) ||
        !gravacao.conclui(&motivo)) {
        return falha(erro, QStringLiteral("Não foi possível gravar a cópia de segurança %1: %2")
                               .arg(QDir::toNativeSeparators(arquivoZip), motivo));
    }
    return true;
}

bool CopiaSeguranca::extrai(const QString& arquivoZip, const QString& pasta, Conteudo* conteudo,
                            QString* erro) {
    const QFileInfo info(arquivoZip);
    if (!info.exists()) {
        return falha(
            erro,
            QStringLiteral("O arquivo %1 não existe.").arg(QDir::toNativeSeparators(arquivoZip)));
    }
    if (!info.isFile()) {
        return falha(erro, danificada(arquivoZip, QStringLiteral("não é um arquivo comum.")));
    }
    int codigo = 0;
    Zip zip(
        zip_open(QFile::encodeName(arquivoZip).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &codigo));
    if (!zip) {
        if (codigo == ZIP_ER_OPEN || codigo == ZIP_ER_READ) {
            return falha(erro, QStringLiteral("Não foi possível ler o arquivo %1.")
                                   .arg(QDir::toNativeSeparators(arquivoZip)));
        }
        return falha(erro, danificada(arquivoZip, QStringLiteral("não é um arquivo ZIP ou está "
                                                                 "danificado.")));
    }
    const auto recusa = [&](const QString& motivo) {
        return falha(erro, danificada(arquivoZip, motivo));
    };
    const zip_int64_t total = zip_get_num_entries(zip.get(), 0);
    if (total <= 0) {
        return recusa(QStringLiteral("não contém nenhum arquivo."));
    }

    // Every entry's name, kind and declared size first: nothing is written for an archive
    // that says it is too big.
    QList<QString> nomes;
    QList<zip_uint64_t> tamanhos;
    QSet<QString> vistos;
    qint64 soma = 0;
    for (zip_int64_t i = 0; i < total; ++i) {
        zip_stat_t estado;
        if (zip_stat_index(zip.get(), zip_uint64_t(i), 0, &estado) != 0 ||
            (estado.valid & (ZIP_STAT_NAME | ZIP_STAT_SIZE)) != (ZIP_STAT_NAME | ZIP_STAT_SIZE)) {
            return recusa(QStringLiteral("o item %1 não pode ser lido.").arg(i + 1));
        }
        const QString nome = QString::fromUtf8(estado.name);
        if (!nomeConhecido(nome)) {
            return recusa(
                QStringLiteral("contém \"%1\", que não é um arquivo do Vidalume.").arg(nome));
        }
        if (vistos.contains(nome)) {
            return recusa(QStringLiteral("contém o arquivo %1 mais de uma vez.").arg(nome));
        }
        vistos.insert(nome);
        zip_uint8_t sistema = 0;
        zip_uint32_t atributos = 0;
        // The Unix file type in the high bits is honoured whatever system the archive says
        // made it: a link marked as made elsewhere is still a link.
        if (zip_file_get_external_attributes(zip.get(), zip_uint64_t(i), 0, &sistema, &atributos) ==
            0) {
            const mode_t tipoUnix = mode_t(atributos >> 16) & S_IFMT;
            if (tipoUnix != 0 && tipoUnix != S_IFREG) {
                return recusa(QStringLiteral("o item %1 não é um arquivo comum (é um link ou uma "
                                             "pasta).")
                                  .arg(nome));
            }
        }
        if (estado.size > zip_uint64_t(maiorTamanho(nome))) {
            return recusa(QStringLiteral("o arquivo %1 %2")
                              .arg(nome, confereTamanho(nome, qint64(estado.size))));
        }
        soma += qint64(estado.size);
        if (soma > kMaiorTotal) {
            return recusa(QStringLiteral("os arquivos somam mais do que uma cópia do Vidalume "
                                         "pode ter."));
        }
        nomes << nome;
        tamanhos << estado.size;
    }

    QByteArray bloco(kBloco, Qt::Uninitialized);
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        const QString& nome = nomes[i];
        const QString danificado = QStringLiteral("o arquivo %1 está danificado.").arg(nome);
        std::unique_ptr<zip_file_t, FechaArquivo> entrada(
            zip_fopen_index(zip.get(), zip_uint64_t(i), 0));
        if (!entrada) {
            return recusa(danificado);
        }
        const QString naoPreparou =
            QStringLiteral("Não foi possível preparar a restauração em %1: %2 Nenhum arquivo foi "
                           "alterado.")
                .arg(QDir::toNativeSeparators(pasta));
        const int saida =
            ::open(QFile::encodeName(QDir(pasta).filePath(nome)).constData(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (saida < 0) {
            return falha(erro, naoPreparou.arg(GravacaoSegura::motivo(errno)));
        }
        const std::unique_ptr<int, void (*)(int*)> fecha(new int(saida), [](int* fd) {
            ::close(*fd);
            delete fd;
        });
        // Counted as written: an entry that holds more than it declared never gets further.
        qint64 escritos = 0;
        for (;;) {
            const zip_int64_t n =
                zip_fread(entrada.get(), bloco.data(), zip_uint64_t(bloco.size()));
            if (n < 0) {
                return recusa(danificado);
            }
            if (n == 0) {
                break;
            }
            escritos += n;
            if (escritos > qint64(tamanhos[i])) {
                return recusa(danificado);
            }
            for (zip_int64_t feitos = 0; feitos < n;) {
                const ssize_t r = ::write(saida, bloco.constData() + feitos, size_t(n - feitos));
                if (r < 0 && errno == EINTR) {
                    continue;
                }
                if (r <= 0) {
                    return falha(erro,
                                 naoPreparou.arg(GravacaoSegura::motivo(r < 0 ? errno : EIO)));
                }
                feitos += r;
            }
        }
        if (escritos != qint64(tamanhos[i])) {
            return recusa(danificado);
        }
        if (const QString motivo = confereTamanho(nome, escritos); !motivo.isEmpty()) {
            return recusa(QStringLiteral("o arquivo %1 %2").arg(nome, motivo));
        }
    }

    if (conteudo) {
        conteudo->nomes = nomes;
        conteudo->feita = {};
        int tamanhoComentario = 0;
        const char* comentario = zip_get_archive_comment(zip.get(), &tamanhoComentario, 0);
        const QString texto =
            comentario ? QString::fromUtf8(comentario, tamanhoComentario) : QString();
        if (texto.startsWith(kPrefixoComentario)) {
            conteudo->feita = QDateTime::fromString(texto.mid(kPrefixoComentario.size()),
                                                    QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        }
    }
    return true;
}

} // namespace vidalume
