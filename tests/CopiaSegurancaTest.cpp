// The backup archive: what goes in, the round trip, and damaged or hostile archives that must
// replace nothing.
#include "settings/CopiaSeguranca.h"

#include <QDir>
#include <QTemporaryDir>

#include <zip.h>

#include <gtest/gtest.h>

#include "tests/ArquivosTeste.h"

using namespace vidalume;
using teste::aleatorio;
using teste::conteudo;
using teste::escreve;
using teste::retrato;

namespace {

// A data folder with texts, settings, the client file and files a backup leaves out.
void preparaDados(const QString& pasta, quint32 semente) {
    escreve(pasta + "/CVIDA.DAT", aleatorio(3 * 5120, semente));
    escreve(pasta + "/COMPATIB.DAT", aleatorio(5120, semente + 1));
    escreve(pasta + "/AVISO.DAT", aleatorio(5120, semente + 5)); // the closing paragraph
    escreve(pasta + "/vidalume.dat", aleatorio(168, semente + 2));
    escreve(pasta + "/fontes.dat", aleatorio(180, semente + 3));
    escreve(pasta + "/clientes.sqlite", aleatorio(4096, semente + 4));
}

// An archive written with libzip directly, entries stored (not compressed) so that their bytes
// can be found and changed.
QByteArray zipCom(const QList<std::pair<QByteArray, QByteArray>>& entradas) {
    zip_source_t* fonte = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t* zip = zip_open_from_source(fonte, ZIP_TRUNCATE, nullptr);
    zip_source_keep(fonte);
    for (const auto& [nome, bytes] : entradas) {
        zip_source_t* e = zip_source_buffer(zip, bytes.constData(), bytes.size(), 0);
        const zip_int64_t i = zip_file_add(zip, nome.constData(), e, 0);
        zip_set_file_compression(zip, zip_uint64_t(i), ZIP_CM_STORE, 0);
    }
    zip_close(zip);
    zip_source_open(fonte);
    zip_stat_t estado;
    zip_source_stat(fonte, &estado);
    QByteArray r(qsizetype(estado.size), '\0');
    zip_source_read(fonte, r.data(), estado.size);
    zip_source_close(fonte);
    zip_source_free(fonte);
    return r;
}

QStringList nomes(const QList<CopiaSeguranca::Arquivo>& arquivos) {
    QStringList r;
    for (const auto& a : arquivos) {
        r << a.first;
    }
    return r;
}

} // namespace

TEST(CopiaSeguranca, IdaEVoltaSoComOsArquivosDoPrograma) {
    QTemporaryDir origem, destino, zips;
    preparaDados(origem.path(), 1);
    escreve(origem.filePath("notas.txt"), "fora");
    escreve(origem.filePath("CVIDA.DAT.copia-2026-12-06-140509"), "fora");
    QDir(origem.path()).mkdir("imagens");

    const QString zip = zips.filePath("copia.zip");
    QString erro;
    ASSERT_TRUE(CopiaSeguranca::grava(origem.path(), zip, &erro)) << erro.toStdString();
    EXPECT_TRUE(conteudo(zip).startsWith("PK\x03\x04"));
    const auto lidos = CopiaSeguranca::confere(conteudo(zip), &erro);
    ASSERT_TRUE(lidos) << erro.toStdString();
    EXPECT_EQ(nomes(*lidos), (QStringList{"AVISO.DAT", "COMPATIB.DAT", "CVIDA.DAT",
                                          "clientes.sqlite", "fontes.dat", "vidalume.dat"}));

    // Restoring over other contents gives back every file; files it lacks stay.
    preparaDados(destino.path(), 50);
    escreve(destino.filePath("margens.dat"), "margens de agora");
    QStringList restaurados;
    ASSERT_TRUE(CopiaSeguranca::restaura(zip, destino.path(), &restaurados, &erro))
        << erro.toStdString();
    EXPECT_EQ(restaurados.size(), 6);
    for (const QString& nome : restaurados) {
        EXPECT_EQ(conteudo(destino.filePath(nome)), conteudo(origem.filePath(nome)))
            << nome.toStdString();
    }
    EXPECT_EQ(conteudo(destino.filePath("margens.dat")), "margens de agora");
}

TEST(CopiaSeguranca, PastaSemArquivosNaoGeraCopia) {
    QTemporaryDir vazia, zips;
    QString erro;
    EXPECT_FALSE(CopiaSeguranca::grava(vazia.path(), zips.filePath("c.zip"), &erro));
    EXPECT_FALSE(erro.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(zips.filePath("c.zip")));
}

TEST(CopiaSeguranca, ArquivoDanificadoOuHostilNaoSubstituiNada) {
    QTemporaryDir dados, zips;
    preparaDados(dados.path(), 7);
    const QByteArray texto = aleatorio(5120, 99);
    const QByteArray bom = zipCom({{"CVIDA.DAT", texto}, {"fontes.dat", "fontes"}});
    ASSERT_TRUE(CopiaSeguranca::confere(bom, nullptr));

    QByteArray crc = bom; // one byte of the stored text changed: only the CRC-32 tells
    crc[crc.indexOf(texto.left(64)) + 100] = char(crc[crc.indexOf(texto.left(64)) + 100] ^ 0x01);
    QByteArray duplicado = zipCom({{"CVIDA.DAT", "um"}, {"CVIDB.DAT", "dois"}});
    duplicado.replace("CVIDB.DAT", "CVIDA.DAT");

    const struct {
        const char* caso;
        QByteArray zip;
    } casos[] = {
        {"CRC errado", crc},
        {"cortado", bom.left(bom.size() - 30)},
        {"não é ZIP", aleatorio(2000, 3)},
        {"vazio", QByteArray()},
        {"caminho que sai da pasta", zipCom({{"CVIDA.DAT", "a"}, {"../vidalume.dat", "b"}})},
        {"caminho absoluto", zipCom({{"/tmp/CVIDA.DAT", "a"}})},
        {"pasta", zipCom({{"CVIDA.DAT", "a"}, {"imagens/capa.svg", "b"}})},
        {"nome desconhecido", zipCom({{"CVIDA.DAT", "a"}, {"programa.sh", "b"}})},
        {"nome repetido", duplicado},
    };
    const auto antes = retrato(dados.path());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const QString zip = zips.filePath("c.zip");
        escreve(zip, c.zip);
        QString erro;
        QStringList restaurados;
        EXPECT_FALSE(CopiaSeguranca::restaura(zip, dados.path(), &restaurados, &erro));
        EXPECT_TRUE(erro.contains("Nenhum arquivo foi alterado")) << erro.toStdString();
        EXPECT_TRUE(restaurados.isEmpty());
        EXPECT_EQ(retrato(dados.path()), antes);
    }
}
