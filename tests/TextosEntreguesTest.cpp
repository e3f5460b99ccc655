// The interpretation texts delivered with the program: every record an analysis or the
// editor can open exists, fits its record in Windows-1252 and reads well in its sentence.
#include "ArquivoInterpretacao.h"
#include "FonteTextos.h"
#include "Windows1252.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vidalume;

namespace {

struct Esperado {
    const char* radical;
    int registros;
};

constexpr Esperado kArquivos[] = {
    {"CVIDA", 9},    {"CFORM", 9},     {"CPROD", 9},    {"CCOLH", 9},    {"CDNAS", 9},
    {"DESNASC", 10}, {"PRESNASC", 10}, {"APICES", 9},   {"DESVIDA", 9},  {"INDSAUDE", 10},
    {"INTANOUN", 9}, {"INTMESUN", 9},  {"INTDIAUN", 9}, {"INTANOPS", 9}, {"INTMESPS", 9},
    {"INTDIAPS", 9}, {"INTEXEXP", 9},  {"IMPXALMA", 9}, {"EUXSILEN", 9}, {"INTVOG", 9},
    {"INTNOME", 9},  {"INTREALI", 9},  {"CDATA", 13},   {"COMPATIB", 45}};

QMap<int, QString> fonte(const char* radical) {
    QString erro;
    auto r = FonteTextos::carrega(QDir(VIDALUME_FONTES_TEXTOS).filePath(radical + QString(".txt")),
                                  &erro);
    EXPECT_TRUE(erro.isEmpty()) << radical << ": " << erro.toStdString();
    return r;
}

} // namespace

TEST(TextosEntregues, CadaRegistroExisteECabeNoSeuRegistro) {
    for (const auto& [radical, registros] : kArquivos) {
        const auto textos = fonte(radical);
        ASSERT_EQ(textos.size(), registros) << radical;
        EXPECT_EQ(textos.lastKey(), registros) << radical;
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString& t = it.value();
            const QString onde = QStringLiteral("%1(%2)").arg(radical).arg(it.key());
            EXPECT_EQ(Windows1252::restringe(t), t) << onde.toStdString();
            EXPECT_LE(Windows1252::codifica(t).size(), ArquivoInterpretacao::kTamanhoRegistro);
            EXPECT_GE(t.size(), 300) << onde.toStdString(); // no placeholder left
        }
    }
}

// Listed all together when the challenge is 0, the challenge records must each name their own
// number.
TEST(TextosEntregues, CadaDesafioNomeiaOSeuNumero) {
    const auto desafios = fonte("DESNASC");
    for (int r = 2; r <= 10; ++r) {
        EXPECT_TRUE(desafios.value(r).left(120).contains(QString::number(r - 1)))
            << "DESNASC(" << r << ")";
    }
}

// The compatibility file holds one record per unordered pair a <= b of 1..9, in the order
// 1-1, 1-2, ..., 1-9, 2-2, ..., 9-9; a record out of place would be read for the wrong pair.
TEST(TextosEntregues, CadaCompatibilidadeNomeiaOSeuPar) {
    const auto textos = fonte("COMPATIB");
    int registro = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = a; b <= 9; ++b) {
            const QString inicio = textos.value(++registro).left(200);
            EXPECT_TRUE(inicio.contains(QString::number(a)) && inicio.contains(QString::number(b)))
                << "COMPATIB(" << registro << ") " << a << "-" << b;
        }
    }
}

TEST(TextosEntregues, ArquivosGeradosLemOsMesmosTextos) {
    for (const QString& pasta :
         {QStringLiteral(VIDALUME_DADOS_TESTE), QStringLiteral(VIDALUME_PASTA_PROGRAMA)}) {
        const ArquivoInterpretacao arquivos(pasta);
        for (const auto& [radical, registros] : kArquivos) {
            const QString nome = QString::fromLatin1(radical) + ".DAT";
            ASSERT_TRUE(QFileInfo::exists(arquivos.caminho(nome)))
                << pasta.toStdString() << nome.toStdString();
            if (pasta != QStringLiteral(VIDALUME_DADOS_TESTE)) {
                continue; // the program folder may hold texts the user edited
            }
            EXPECT_EQ(QFileInfo(arquivos.caminho(nome)).size(),
                      qint64(registros) * ArquivoInterpretacao::kTamanhoRegistro);
            const auto textos = fonte(radical);
            for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
                EXPECT_EQ(arquivos.LeTextoInterpretacao(it.key(), nome), it.value())
                    << radical << "(" << it.key() << ")";
            }
        }
    }
    // Beside them in the program folder: the sounds and the pictures of the pages.
    for (const QString& a : QStringLiteral("welcomeb.wav aguarda.wav virafolh.wav imagens/capa.svg "
                                           "imagens/borda.svg imagens/divisoria.svg "
                                           "imagens/signo01.svg imagens/signo12.svg")
                                .split(u' ')) {
        EXPECT_GT(QFileInfo(QDir(VIDALUME_PASTA_PROGRAMA).filePath(a)).size(), 100)
            << a.toStdString();
    }
}

TEST(FonteTextos, FormatoDosFontes) {
    QString erro;
    auto r = FonteTextos::analisa(
        QStringLiteral("@@ 1\nUm dois\ntrês.\n\nQuatro.\n\n@@ 3\n\nCinco.\n"), &erro);
    EXPECT_TRUE(erro.isEmpty());
    EXPECT_EQ(r.value(1), QStringLiteral("Um dois três.\r\nQuatro."));
    EXPECT_EQ(r.value(3), QStringLiteral("Cinco."));
    EXPECT_FALSE(r.contains(2));
    EXPECT_TRUE(FonteTextos::analisa(QStringLiteral("@@ 1\nx\n@@ 1\ny"), &erro).isEmpty());
    EXPECT_FALSE(erro.isEmpty());
}
