#include "settings/CopiaSeguranca.h"

#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/GravacaoSegura.h"
#include "texts/Mensagem.h"
#include "texts/TextosConhecidos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <zip.h>

#include <memory>

namespace vidalume {

namespace {

const QString kPrefixoComentario = QStringLiteral("Vidalume ");

// The high 16 bits of an entry's external attributes hold a Unix file mode: its type is the
// bits 0170000, a regular file 0100000 (links 0120000, folders 0040000).
constexpr zip_uint32_t kTipoUnix = 0170000;
constexpr zip_uint32_t kArquivoUnix = 0100000;

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

// What is wrong with the settings file `nome` lying in `pasta` beyond its size; empty when it
// would be read as it stands. Margins a damaged file holds (negative, past half the sheet, not a
// number) are replaced when read, so such a file is neither backed up nor restored.
QString confereConteudo(const QString& pasta, const QString& nome) {
    if (nome != Margens::kArquivo) {
        return {};
    }
    bool ajustadas = false;
    Margens::le(pasta, &ajustadas);
    return ajustadas ? QStringLiteral("o arquivo %1 tem margens que a página não comporta "
                                      "(negativas, grandes demais ou danificadas).")
                           .arg(nome)
                     : QString();
}

QString inicial(const QString& motivo) {
    return motivo.isEmpty() ? motivo : motivo[0].toUpper() + motivo.mid(1);
}

// One entry of an open archive read as a device, a block at a time. More bytes than the
// entry declared are an error, so an entry that lies about its size never gets further.
class EntradaZip : public QIODevice {
public:
    EntradaZip(zip_file_t* arquivo, qint64 declarado) : arquivo_(arquivo), declarado_(declarado) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 lidos() const { return lidos_; }
    bool danificada() const { return danificada_; }

protected:
    qint64 readData(char* dados, qint64 tamanho) override {
        const zip_int64_t n = zip_fread(arquivo_, dados, zip_uint64_t(tamanho));
        if (n < 0 || lidos_ + n > declarado_) {
            danificada_ = true;
            setErrorString(QStringLiteral("danificado"));
            return -1;
        }
        lidos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file_t* arquivo_;
    qint64 declarado_;
    qint64 lidos_ = 0;
    bool danificada_ = false;
};

// Why an entry that libzip would not open cannot be read, as "o arquivo X ...".
QString naoAbre(const QString& nome, zip_t* zip) {
    switch (zip_error_code_zip(zip_get_error(zip))) {
    case ZIP_ER_COMPNOTSUPP:
        return QStringLiteral("o arquivo %1 foi compactado de um modo que o Vidalume não lê "
                              "(use a compactação comum, \"deflate\").")
            .arg(nome);
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_ENCRNOTSUPP:
        return QStringLiteral("o arquivo %1 está protegido por senha.").arg(nome);
    default:
        return QStringLiteral("o arquivo %1 está danificado.").arg(nome);
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
    const QStringList todos =
        QDir(pastaDados)
            .entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& nome : todos) {
        const Tipo t = tipo(nome);
        if (t == Tipo::Texto || t == Tipo::Configuracao) {
            nomes << nome;
        }
    }
    return nomes;
}

QString CopiaSeguranca::confereArquivo(const QString& pastaDados, const QString& nome) {
    const QFileInfo info(QDir(pastaDados).filePath(nome));
    if (info.isSymLink() || !info.isFile()) {
        return QStringLiteral("o arquivo %1 não é um arquivo comum (é um link, uma pasta, um "
                              "canal ou um dispositivo).")
            .arg(nome);
    }
    QFile arquivo(info.filePath());
    if (!arquivo.open(QIODevice::ReadOnly)) {
        return QStringLiteral("o arquivo %1 não pode ser lido (%2).")
            .arg(nome, !info.isReadable() ? QStringLiteral("sem permissão de leitura")
                                          : QStringLiteral("não pôde ser aberto"));
    }
    const QString motivo = confereTamanho(nome, arquivo.size());
    return motivo.isEmpty() ? confereConteudo(pastaDados, nome)
                            : QStringLiteral("o arquivo %1 %2").arg(nome, motivo);
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
        return Mensagem::falha(erro, naoMontada.arg(QStringLiteral(".")));
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
            return Mensagem::falha(erro, QStringLiteral("Não foi possível ler o arquivo %1.")
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
        return Mensagem::falha(erro, naoMontada.arg(QStringLiteral(": ") + motivo));
    }
    zip.release(); // closed and freed by zip_close

    QFile montado(montagem);
    if (!montado.open(QIODevice::ReadOnly)) {
        return Mensagem::falha(erro, naoMontada.arg(QStringLiteral(": ") + montado.errorString()));
    }
    GravacaoSegura gravacao(arquivoZip, GravacaoSegura::Destino::Substitui,
                            GravacaoSegura::Acesso::SoDono);
    QString motivo;
    if (!gravacao.abre(&motivo) || !gravacao.copiaDe(montado, &motivo) ||
        !gravacao.conclui(&motivo)) {
        return Mensagem::falha(erro,
                               QStringLiteral("Não foi possível gravar a cópia de segurança %1: %2")
                                   .arg(QDir::toNativeSeparators(arquivoZip), motivo));
    }
    return true;
}

namespace {

struct Indice {
    QList<QString> nomes;
    QList<zip_uint64_t> indices;
    QList<qint64> tamanhos;
    QList<CopiaSeguranca::Recusado> recusados;
};

// Why the entry `i` makes the whole archive unusable; empty when it does not. An entry that is
// only too big for its file is listed in `indice` as left out.
QString confereItem(zip_t* zip, zip_int64_t i, QSet<QString>& vistos, qint64& soma,
                    Indice* indice) {
    zip_stat_t estado;
    if (zip_stat_index(zip, zip_uint64_t(i), 0, &estado) != 0 ||
        (estado.valid & (ZIP_STAT_NAME | ZIP_STAT_SIZE)) != (ZIP_STAT_NAME | ZIP_STAT_SIZE)) {
        return QStringLiteral("o item %1 não pode ser lido.").arg(i + 1);
    }
    const QString nome = QString::fromUtf8(estado.name);
    if (!CopiaSeguranca::nomeConhecido(nome)) {
        return QStringLiteral("contém \"%1\", que não é um arquivo do Vidalume.").arg(nome);
    }
    if (vistos.contains(nome)) {
        return QStringLiteral("contém o arquivo %1 mais de uma vez.").arg(nome);
    }
    vistos.insert(nome);
    zip_uint8_t sistema = 0;
    zip_uint32_t atributos = 0;
    // The Unix file type in the high bits is honoured whatever system the archive says made
    // it: a link marked as made elsewhere is still a link.
    if (zip_file_get_external_attributes(zip, zip_uint64_t(i), 0, &sistema, &atributos) == 0) {
        const zip_uint32_t tipoUnix = (atributos >> 16) & kTipoUnix;
        if (tipoUnix != 0 && tipoUnix != kArquivoUnix) {
            return QStringLiteral("o item %1 não é um arquivo comum (é um link ou uma pasta).")
                .arg(nome);
        }
    }
    if (estado.size > zip_uint64_t(CopiaSeguranca::maiorTamanho(nome))) {
        indice->recusados.append(
            {nome, QStringLiteral("o arquivo %1 %2")
                       .arg(nome, CopiaSeguranca::confereTamanho(nome, qint64(estado.size)))});
        return {};
    }
    soma += qint64(estado.size);
    if (soma > CopiaSeguranca::kMaiorTotal) {
        return QStringLiteral("os arquivos somam mais do que uma cópia do Vidalume pode ter.");
    }
    indice->nomes << nome;
    indice->indices << zip_uint64_t(i);
    indice->tamanhos << qint64(estado.size);
    return {};
}

// Every entry's name, kind and declared size, before anything is written.
QString leIndice(zip_t* zip, Indice* indice) {
    const zip_int64_t total = zip_get_num_entries(zip, 0);
    if (total <= 0) {
        return QStringLiteral("não contém nenhum arquivo.");
    }
    QSet<QString> vistos;
    qint64 soma = 0;
    for (zip_int64_t i = 0; i < total; ++i) {
        if (QString motivo = confereItem(zip, i, vistos, soma, indice); !motivo.isEmpty()) {
            return motivo;
        }
    }
    return {};
}

enum class Extracao { Feita, Recusada, Falhou };

// Streams the entry `i`, `nome` (declared `tamanho` bytes) into a new private file of `pasta`. A
// refused entry leaves no file and its reason in `motivo`; a file that could not be written
// fails with the reason in `motivo`.
Extracao extraiItem(zip_t* zip, zip_uint64_t i, const QString& nome, qint64 tamanho,
                    const QString& pasta, QString* motivo) {
    std::unique_ptr<zip_file_t, FechaArquivo> arquivo(zip_fopen_index(zip, i, 0));
    if (!arquivo) {
        *motivo = naoAbre(nome, zip);
        return Extracao::Recusada;
    }
    EntradaZip entrada(arquivo.get(), tamanho);
    GravacaoSegura gravacao(QDir(pasta).filePath(nome), GravacaoSegura::Destino::NomeNovo,
                            GravacaoSegura::Acesso::SoDono);
    if (!gravacao.abre(motivo)) {
        return Extracao::Falhou;
    }
    if (!gravacao.copiaDe(entrada, motivo) && !entrada.danificada()) {
        return Extracao::Falhou;
    }
    if (entrada.danificada() || entrada.lidos() != tamanho) {
        *motivo = QStringLiteral("o arquivo %1 está danificado.").arg(nome);
        return Extracao::Recusada;
    }
    if (const QString regra = CopiaSeguranca::confereTamanho(nome, tamanho); !regra.isEmpty()) {
        *motivo = QStringLiteral("o arquivo %1 %2").arg(nome, regra);
        return Extracao::Recusada;
    }
    if (!gravacao.conclui(motivo)) {
        return Extracao::Falhou;
    }
    if (const QString regra = confereConteudo(pasta, nome); !regra.isEmpty()) {
        QFile::remove(QDir(pasta).filePath(nome));
        *motivo = regra;
        return Extracao::Recusada;
    }
    return Extracao::Feita;
}

QDateTime feitaEm(zip_t* zip) {
    int tamanho = 0;
    const char* comentario = zip_get_archive_comment(zip, &tamanho, 0);
    const QString texto = comentario ? QString::fromUtf8(comentario, tamanho) : QString();
    return texto.startsWith(kPrefixoComentario)
               ? QDateTime::fromString(texto.mid(kPrefixoComentario.size()),
                                       QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
               : QDateTime();
}

} // namespace

bool CopiaSeguranca::extrai(const QString& arquivoZip, const QString& pasta, Conteudo* conteudo,
                            QString* erro) {
    const QFileInfo info(arquivoZip);
    if (!info.exists()) {
        return Mensagem::falha(
            erro,
            QStringLiteral("O arquivo %1 não existe.").arg(QDir::toNativeSeparators(arquivoZip)));
    }
    if (!info.isFile()) {
        return Mensagem::falha(erro,
                               danificada(arquivoZip, QStringLiteral("não é um arquivo comum.")));
    }
    int codigo = 0;
    Zip zip(
        zip_open(QFile::encodeName(arquivoZip).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &codigo));
    if (!zip) {
        if (codigo == ZIP_ER_OPEN || codigo == ZIP_ER_READ) {
            return Mensagem::falha(erro, QStringLiteral("Não foi possível ler o arquivo %1.")
                                             .arg(QDir::toNativeSeparators(arquivoZip)));
        }
        return Mensagem::falha(erro,
                               danificada(arquivoZip, QStringLiteral("não é um arquivo ZIP ou está "
                                                                     "danificado.")));
    }
    Indice indice;
    if (const QString motivo = leIndice(zip.get(), &indice); !motivo.isEmpty()) {
        return Mensagem::falha(erro, danificada(arquivoZip, motivo));
    }
    Conteudo lido;
    lido.recusados = indice.recusados;
    for (qsizetype i = 0; i < indice.nomes.size(); ++i) {
        QString motivo;
        switch (extraiItem(zip.get(), indice.indices[i], indice.nomes[i], indice.tamanhos[i], pasta,
                           &motivo)) {
        case Extracao::Feita:
            lido.nomes << indice.nomes[i];
            break;
        case Extracao::Recusada:
            lido.recusados.append({indice.nomes[i], motivo});
            break;
        case Extracao::Falhou:
            return Mensagem::falha(
                erro, QStringLiteral("Não foi possível preparar a restauração em %1: %2 "
                                     "Nenhum arquivo foi alterado.")
                          .arg(QDir::toNativeSeparators(pasta), motivo));
        }
    }
    lido.feita = feitaEm(zip.get());
    if (conteudo) {
        *conteudo = lido;
    }
    return true;
}

} // namespace vidalume
