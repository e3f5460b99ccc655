// The backup archive: what goes in, the round trip, and damaged or hostile archives (junk and
// foreign names, links, files of the wrong shape, bombs) refused before anything is written.
#include "settings/CopiaSeguranca.h"

#include <QDir>
#include <QTemporaryDir>

#include <zip.h>

#include "tests/ArquivosTeste.h"

using namespace vidalume;
using namespace vidalume::teste;

namespace {

struct Item {
    QByteArray nome;
    QByteArray bytes;
    zip_uint32_t modo = 0; // Unix mode of the entry, 0 for none
    bool comprime = false;
    zip_uint8_t sistema = ZIP_OPSYS_UNIX; // the system the entry says made it
    bool senha = false;                   // encrypted with a password
};

// An archive written with libzip directly, entries stored (not compressed) unless asked, so
// that their bytes can be found and changed.
QByteArray zipCom(const QList<Item>& entradas) {
    zip_source_t* fonte = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t* zip = zip_open_from_source(fonte, ZIP_TRUNCATE, nullptr);
    zip_source_keep(fonte);
    for (const Item& item : entradas) {
        zip_source_t* e = zip_source_buffer(zip, item.bytes.constData(), item.bytes.size(), 0);
        const auto i = zip_uint64_t(zip_file_add(zip, item.nome.constData(), e, 0));
        zip_set_file_compression(zip, i, item.comprime ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
        if (item.modo != 0) {
            zip_file_set_external_attributes(zip, i, 0, item.sistema, item.modo << 16);
        }
        if (item.senha) {
            EXPECT_EQ(zip_file_set_encryption(zip, i, ZIP_EM_AES_256, "senha"), 0);
        }
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

// `zip` with the uncompressed size of its first entry said to be `tamanho` in both headers:
// an archive that claims more than it holds.
QByteArray comTamanhoDeclarado(QByteArray zip, quint32 tamanho) {
    const auto poe = [&zip, tamanho](qsizetype pos) {
        for (int b = 0; b < 4; ++b) {
            zip[pos + b] = char((tamanho >> (8 * b)) & 0xFF);
        }
    };
    poe(22);                             // local header
    poe(zip.indexOf("PK\x01\x02") + 24); // central directory
    return zip;
}

} // namespace

TEST(CopiaSeguranca, IdaEVoltaComADataDaCopia) {
    QTemporaryDir origem, trabalho, extraidos, zips;
    escreve(origem.filePath("CVIDA.DAT"), aleatorio(3 * 5120, 1));
    escreve(origem.filePath("fontes.dat"), aleatorio(168, 2));
    escreve(origem.filePath("opcoes.dat"), aleatorio(32, 4));
    escreve(origem.filePath("AVISO.DAT"), aleatorio(5120, 5)); // the closing paragraph
    escreve(origem.filePath("notas.txt"), "fora");
    escreve(origem.filePath("CVIDA.DAT.copia-2026-12-06-140509"), "fora");
    escreve(origem.filePath("SAVEGAME.DAT"), aleatorio(5120, 3));
    EXPECT_EQ(CopiaSeguranca::arquivos(origem.path()),
              (QStringList{"AVISO.DAT", "CVIDA.DAT", "fontes.dat", "opcoes.dat"}));

    const QString zip = zips.filePath("copia.zip");
    const QDateTime quando(QDate(2026, 12, 6), QTime(14, 5, 9));
    QString erro;
    ASSERT_TRUE(CopiaSeguranca::grava({{"CVIDA.DAT", origem.filePath("CVIDA.DAT")},
                                       {"fontes.dat", origem.filePath("fontes.dat")}},
                                      quando, zip, trabalho.path(), &erro))
        << erro.toStdString();
    EXPECT_TRUE(conteudo(zip).startsWith("PK\x03\x04"));
    EXPECT_EQ(teste::modo(zip), 0600);
    CopiaSeguranca::Conteudo lido;
    ASSERT_TRUE(CopiaSeguranca::extrai(zip, extraidos.path(), &lido, &erro)) << erro.toStdString();
    EXPECT_EQ(lido.nomes, (QStringList{"CVIDA.DAT", "fontes.dat"}));
    EXPECT_EQ(lido.feita, quando);
    for (const QString& nome : lido.nomes) {
        EXPECT_EQ(conteudo(extraidos.filePath(nome)), conteudo(origem.filePath(nome)));
    }
}

TEST(CopiaSeguranca, ArquivoDanificadoOuHostilNaoEExtraido) {
    QTemporaryDir zips;
    const QByteArray texto = aleatorio(5120, 99);
    const Item fontes{"fontes.dat", "fontes"};
    const QByteArray bom = zipCom({{"CVIDA.DAT", texto}, fontes});
    QByteArray crc = bom; // one byte of the stored text changed: only the CRC-32 tells
    crc[crc.indexOf(texto.left(64)) + 100] = char(crc[crc.indexOf(texto.left(64)) + 100] ^ 0x01);
    QByteArray duplicado = zipCom({{"CVIDA.DAT", texto}, {"CVIDB.DAT", texto}});
    duplicado.replace("CVIDB.DAT", "CVIDA.DAT");
    // What a bomb would be: far more bytes than the file can have, a few KB compressed.
    const QByteArray grande(int(CopiaSeguranca::kMaiorTexto) + 5120, ' ');
    const QByteArray zeros(4 << 20, '\0');

    struct Caso {
        const char* caso;
        QByteArray zip;
        const char* motivo;
    };
    // Archives refused whole, with nothing taken.
    const Caso recusados[] = {
        {"cortado", bom.left(bom.size() - 30), "não é um arquivo ZIP"},
        {"não é ZIP", aleatorio(2000, 3), "não é um arquivo ZIP"},
        {"vazio", QByteArray(), "não é um arquivo ZIP"},
        {"caminho que sai da pasta", zipCom({{"CVIDA.DAT", texto}, {"../vidalume.dat", "b"}}),
         "não é um arquivo do Vidalume"},
        {"caminho absoluto", zipCom({{"/tmp/CVIDA.DAT", texto}}), "não é um arquivo do Vidalume"},
        {"pasta", zipCom({{"CVIDA.DAT", texto}, {"imagens/capa.svg", "b"}}), "não é um arquivo"},
        {"nome de outro programa", zipCom({{"SAVEGAME.DAT", texto}}),
         "não é um arquivo do Vidalume"},
        {"cópia datada", zipCom({{"CVIDA.DAT.copia-2026-01-01-000000", texto}}),
         "não é um arquivo do Vidalume"},
        {"nome repetido", duplicado, "danificado"},
        {"link", zipCom({{"CVIDA.DAT", "/etc/passwd", S_IFLNK | 0777}}), "link"},
        {"link com tamanho de texto", zipCom({{"CVIDA.DAT", texto, S_IFLNK | 0777}}), "link"},
        {"link feito em outro sistema",
         zipCom({{"vidalume.dat", "/etc/passwd", S_IFLNK | 0777, false, ZIP_OPSYS_MACINTOSH}}),
         "link"},
    };
    for (const Caso& c : recusados) {
        SCOPED_TRACE(c.caso);
        QTemporaryDir extraidos;
        const QString zip = zips.filePath("c.zip");
        escreve(zip, c.zip);
        QString erro;
        EXPECT_FALSE(CopiaSeguranca::extrai(zip, extraidos.path(), nullptr, &erro));
        EXPECT_TRUE(contem(erro, "Nenhum arquivo foi alterado"));
        EXPECT_TRUE(erro.contains(c.motivo, Qt::CaseInsensitive)) << erro.toStdString();
        EXPECT_TRUE(contem(erro, QDir::toNativeSeparators(zip)));
        if (QByteArray(c.caso).startsWith("link")) {
            // Refused from the headers, before a byte was written.
            EXPECT_TRUE(retrato(extraidos.path()).isEmpty());
        }
    }

    // Entries that break their file's rules are left out and named; the good entry beside
    // each is still taken, and nothing of a bad one is left in the folder.
    const Caso deixados[] = {
        {"CRC errado", crc, "o arquivo CVIDA.DAT está danificado"},
        {"texto que não é de registros", zipCom({{"CVIDA.DAT", "/etc/passwd"}, fontes}),
         "registros inteiros"},
        {"texto vazio", zipCom({{"CVIDA.DAT", ""}, fontes}), "registros inteiros"},
        {"configuração grande demais", zipCom({{"vidalume.dat", QByteArray(169, 'x')}, fontes}),
         "mais do que esse arquivo pode ter"},
        {"opções grandes demais", zipCom({{"opcoes.dat", QByteArray(33, 'x')}, fontes}),
         "mais do que esse arquivo pode ter"},
        {"bomba num texto", zipCom({{"CVIDA.DAT", grande, 0, true}, fontes}),
         "mais do que esse arquivo pode ter"},
        {"tamanho declarado falso",
         comTamanhoDeclarado(zipCom({{"CVIDA.DAT", zeros, 0, true}, fontes}), 5120), "danificado"},
        {"protegido por senha", zipCom({{"CVIDA.DAT", texto, 0, false, 0, true}, fontes}),
         "protegido por senha"},
    };
    for (const Caso& c : deixados) {
        SCOPED_TRACE(c.caso);
        QTemporaryDir extraidos;
        const QString zip = zips.filePath("c.zip");
        escreve(zip, c.zip);
        QString erro;
        CopiaSeguranca::Conteudo lido;
        ASSERT_TRUE(CopiaSeguranca::extrai(zip, extraidos.path(), &lido, &erro))
            << erro.toStdString();
        EXPECT_EQ(lido.nomes, QStringList{"fontes.dat"});
        ASSERT_EQ(lido.recusados.size(), 1);
        EXPECT_TRUE(lido.recusados[0].motivo.contains(c.motivo))
            << lido.recusados[0].motivo.toStdString();
        EXPECT_EQ(QDir(extraidos.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"fontes.dat"});
    }
}

TEST(CopiaSeguranca, BombaNaSomaRecusadaAntesDeEscrever) {
    // Each entry within its own limit, the whole beyond what a backup can hold: the sizes are
    // only declared, so the refusal must come before any byte is read.
    QTemporaryDir zips, extraidos;
    QList<Item> itens = {{"clientes.sqlite", "x"}};
    for (const QString& t : QDir(VIDALUME_DADOS_TESTE).entryList({"*.DAT"})) {
        itens.append({t.toLatin1(), "y"}); // the shipped texts: more than a backup can hold
    }
    QByteArray zip = zipCom(itens);
    qsizetype local = 0;
    qsizetype central = zip.indexOf("PK\x01\x02");
    for (qsizetype i = 0; i < itens.size(); ++i) {
        const quint32 tamanho =
            quint32(i == 0 ? CopiaSeguranca::kMaiorFicha : CopiaSeguranca::kMaiorTexto);
        for (int b = 0; b < 4; ++b) {
            zip[local + 22 + b] = zip[central + 24 + b] = char((tamanho >> (8 * b)) & 0xFF);
        }
        local = zip.indexOf("PK\x03\x04", local + 4);
        central = zip.indexOf("PK\x01\x02", central + 4);
    }
    escreve(zips.filePath("c.zip"), zip);
    QString erro;
    EXPECT_FALSE(CopiaSeguranca::extrai(zips.filePath("c.zip"), extraidos.path(), nullptr, &erro));
    EXPECT_TRUE(contem(erro, "somam mais"));
    EXPECT_TRUE(retrato(extraidos.path()).isEmpty());
}
