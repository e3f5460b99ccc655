#include "settings/CopiaSeguranca.h"

#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"
#include "settings/PastaDados.h"
#include "texts/GravacaoSegura.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <zip.h>

#include <memory>

namespace vidalume {

namespace {

const QString kDanificada =
    QStringLiteral("O arquivo %1 não é uma cópia de segurança do Vidalume que possa ser "
                   "restaurada: %2 Nenhum arquivo foi alterado.");

bool falha(QString* erro, const QString& mensagem) {
    if (erro) {
        *erro = mensagem;
    }
    return false;
}

struct FechaZip {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using Zip = std::unique_ptr<zip_t, FechaZip>;

struct FechaArquivo {
    void operator()(zip_file_t* arquivo) const { zip_fclose(arquivo); }
};

struct LiberaFonte {
    void operator()(zip_source_t* fonte) const { zip_source_free(fonte); }
};
using Fonte = std::unique_ptr<zip_source_t, LiberaFonte>;

// The whole content of a source that libzip finished writing.
std::optional<QByteArray> conteudoDe(zip_source_t* fonte) {
    zip_stat_t estado;
    zip_stat_init(&estado);
    if (zip_source_open(fonte) < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    if (zip_source_stat(fonte, &estado) == 0 && (estado.valid & ZIP_STAT_SIZE) != 0) {
        QByteArray lidos(qsizetype(estado.size), Qt::Uninitialized);
        if (zip_source_read(fonte, lidos.data(), estado.size) == zip_int64_t(estado.size)) {
            bytes = std::move(lidos);
        }
    }
    zip_source_close(fonte);
    return bytes;
}

// Reads entry `indice` to its end; libzip checks the CRC-32 when the end is reached.
std::optional<QByteArray> leEntrada(zip_t* zip, zip_uint64_t indice, zip_uint64_t tamanho) {
    std::unique_ptr<zip_file_t, FechaArquivo> arquivo(zip_fopen_index(zip, indice, 0));
    if (!arquivo) {
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(tamanho), Qt::Uninitialized);
    zip_uint64_t lidos = 0;
    while (lidos < tamanho) {
        const zip_int64_t n = zip_fread(arquivo.get(), bytes.data() + lidos, tamanho - lidos);
        if (n <= 0) {
            return std::nullopt;
        }
        lidos += zip_uint64_t(n);
    }
    // The end, where a wrong CRC-32 or trailing data shows.
    char resto = 0;
    if (zip_fread(arquivo.get(), &resto, 1) != 0) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool CopiaSeguranca::nomeConhecido(const QString& nome) {
    static const QSet<QString> kConfiguracoes = {Configuracao::kArquivo, FontesAnalise::kArquivo,
                                                 LinhasRodape::kArquivo, Margens::kArquivo,
                                                 OpcoesMapa::kArquivo,   kArquivoClientes};
    return PastaDados::nomeInterpretacao(nome) || kConfiguracoes.contains(nome);
}

QStringList CopiaSeguranca::arquivos(const QString& pastaDados) {
    QStringList nomes;
    for (const QFileInfo& arquivo : QDir(pastaDados).entryInfoList(QDir::Files, QDir::Name)) {
        if (nomeConhecido(arquivo.fileName())) {
            nomes << arquivo.fileName();
        }
    }
    return nomes;
}

std::optional<QByteArray> CopiaSeguranca::compacta(const QString& pastaDados, QString* erro) {
    const QStringList nomes = arquivos(pastaDados);
    if (nomes.isEmpty()) {
        falha(erro, QStringLiteral("A pasta %1 não contém textos nem configurações do Vidalume.")
                        .arg(QDir::toNativeSeparators(pastaDados)));
        return std::nullopt;
    }
    // The contents must outlive the archive: libzip reads them when it is closed.
    QList<QByteArray> conteudos;
    QList<QDateTime> datas;
    for (const QString& nome : nomes) {
        QFile arquivo(QDir(pastaDados).filePath(nome));
        if (!arquivo.open(QIODevice::ReadOnly)) {
            falha(erro,
                  QStringLiteral("Não foi possível ler o arquivo %1: %2")
                      .arg(QDir::toNativeSeparators(arquivo.fileName()), arquivo.errorString()));
            return std::nullopt;
        }
        conteudos << arquivo.readAll();
        datas << QFileInfo(arquivo).lastModified();
    }

    const QString semMemoria = QStringLiteral("Não foi possível montar a cópia de segurança.");
    zip_error_t codigo;
    zip_error_init(&codigo);
    Fonte fonte(zip_source_buffer_create(nullptr, 0, 0, &codigo));
    zip_error_fini(&codigo);
    if (!fonte) {
        falha(erro, semMemoria);
        return std::nullopt;
    }
    Zip zip(zip_open_from_source(fonte.get(), ZIP_TRUNCATE, nullptr));
    if (!zip) {
        falha(erro, semMemoria);
        return std::nullopt;
    }
    // The archive takes one reference on open; this one keeps the written bytes.
    zip_source_keep(fonte.get());
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        zip_source_t* entrada =
            zip_source_buffer(zip.get(), conteudos[i].constData(), conteudos[i].size(), 0);
        const zip_int64_t indice = entrada ? zip_file_add(zip.get(), nomes[i].toUtf8().constData(),
                                                          entrada, ZIP_FL_ENC_UTF_8)
                                           : -1;
        if (indice < 0) {
            if (entrada) {
                zip_source_free(entrada);
            }
            falha(erro, semMemoria);
            return std::nullopt;
        }
        zip_set_file_compression(zip.get(), zip_uint64_t(indice), ZIP_CM_DEFLATE, 9);
        zip_file_set_mtime(zip.get(), zip_uint64_t(indice), time_t(datas[i].toSecsSinceEpoch()), 0);
    }
    if (zip_close(zip.get()) < 0) {
        falha(erro, semMemoria);
        return std::nullopt;
    }
    zip.release(); // closed and freed by zip_close
    auto bytes = conteudoDe(fonte.get());
    if (!bytes) {
        falha(erro, semMemoria);
    }
    return bytes;
}

std::optional<QList<CopiaSeguranca::Arquivo>> CopiaSeguranca::confere(const QByteArray& zipBytes,
                                                                      QString* erro) {
    zip_error_t codigo;
    zip_error_init(&codigo);
    Fonte fonte(
        zip_source_buffer_create(zipBytes.constData(), zip_uint64_t(zipBytes.size()), 0, &codigo));
    Zip zip(fonte ? zip_open_from_source(fonte.get(), ZIP_RDONLY | ZIP_CHECKCONS, &codigo)
                  : nullptr);
    zip_error_fini(&codigo);
    if (!zip) {
        falha(erro, QStringLiteral("não é um arquivo ZIP ou está danificado."));
        return std::nullopt;
    }
    fonte.release(); // now owned by the archive

    const zip_int64_t total = zip_get_num_entries(zip.get(), 0);
    if (total <= 0) {
        falha(erro, QStringLiteral("não contém nenhum arquivo."));
        return std::nullopt;
    }
    QList<Arquivo> arquivos;
    QSet<QString> vistos;
    for (zip_int64_t i = 0; i < total; ++i) {
        zip_stat_t estado;
        if (zip_stat_index(zip.get(), zip_uint64_t(i), 0, &estado) != 0 ||
            (estado.valid & (ZIP_STAT_NAME | ZIP_STAT_SIZE)) != (ZIP_STAT_NAME | ZIP_STAT_SIZE)) {
            falha(erro, QStringLiteral("o item %1 não pode ser lido.").arg(i + 1));
            return std::nullopt;
        }
        const QString nome = QString::fromUtf8(estado.name);
        // Only plain names the program knows: no folders, no paths that leave the folder.
        if (!nomeConhecido(nome)) {
            falha(erro,
                  QStringLiteral("contém \"%1\", que não é um arquivo do Vidalume.").arg(nome));
            return std::nullopt;
        }
        if (vistos.contains(nome)) {
            falha(erro, QStringLiteral("contém o arquivo %1 mais de uma vez.").arg(nome));
            return std::nullopt;
        }
        vistos.insert(nome);
        if (estado.size > zip_uint64_t(kMaiorArquivo)) {
            falha(erro, QStringLiteral("o arquivo %1 é grande demais.").arg(nome));
            return std::nullopt;
        }
        auto conteudo = leEntrada(zip.get(), zip_uint64_t(i), estado.size);
        if (!conteudo) {
            falha(erro, QStringLiteral("o arquivo %1 está danificado.").arg(nome));
            return std::nullopt;
        }
        arquivos.append({nome, std::move(*conteudo)});
    }
    return arquivos;
}

bool CopiaSeguranca::grava(const QString& pastaDados, const QString& arquivoZip, QString* erro) {
    const auto bytes = compacta(pastaDados, erro);
    return bytes && GravacaoSegura::grava(arquivoZip, *bytes, erro);
}

bool CopiaSeguranca::restaura(const QString& arquivoZip, const QString& pastaDados,
                              QStringList* restaurados, QString* erro) {
    const QString nomeZip = QDir::toNativeSeparators(arquivoZip);
    QFile zip(arquivoZip);
    if (!zip.open(QIODevice::ReadOnly)) {
        return falha(erro, QStringLiteral("Não foi possível ler o arquivo %1: %2")
                               .arg(nomeZip, zip.errorString()));
    }
    const QByteArray bytes = zip.readAll();
    QString motivo;
    const auto arquivos = confere(bytes, &motivo);
    if (!arquivos) {
        return falha(erro, kDanificada.arg(nomeZip, motivo[0].toUpper() + motivo.mid(1)));
    }
    for (const auto& [nome, conteudo] : *arquivos) {
        if (!GravacaoSegura::grava(QDir(pastaDados).filePath(nome), conteudo, erro)) {
            return false;
        }
        if (restaurados) {
            *restaurados << nome;
        }
    }
    return true;
}

} // namespace vidalume
