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
    {"INTNOME", 9},  {"INTREALI", 9},  {"CDATA", 13}};

QMap<int, QString> fonte(const char* radical) {
    QString erro;
    auto r = FonteTextos::carrega(QDir(VIDALUME_FONTES_TEXTOS).filePath(radical + QString(".txt")),
                                  &erro);
    EXPECT_TRUE(erro.isEmpty()) << radical << ": " << erro.toStdString();
    return r;
}

bool terminaSemPontuacao(const QString& t) {
    return !t.isEmpty() && (t.back().isLetterOrNumber() || t.back() == u')');
}

} // namespace

TEST(TextosEntregues, CadaRegistroExisteECabeNoSeuRegistro) {
    int total = 0;
    for (const auto& [radical, registros] : kArquivos) {
        const auto textos = fonte(radical);
        ASSERT_EQ(textos.size(), registros) << radical;
        EXPECT_EQ(textos.lastKey(), registros) << radical;
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString& t = it.value();
            const QString onde = QStringLiteral("%1(%2)").arg(radical).arg(it.key());
            EXPECT_EQ(Windows1252::restringe(t), t) << onde.toStdString();
            EXPECT_LE(Windows1252::codifica(t).size(), ArquivoInterpretacao::kTamanhoRegistro);
            const bool explicacao = QLatin1String(radical) == "CDATA";
            EXPECT_GE(t.size(), explicacao ? 300 : 700) << onde.toStdString();
            EXPECT_LE(t.size(), explicacao ? 1200 : 2500) << onde.toStdString();
            EXPECT_FALSE(t.contains(QStringLiteral("  "))) << onde.toStdString();
            if (!explicacao) {
                const qsizetype paragrafos = t.count(QStringLiteral("\r\n")) + 1;
                EXPECT_TRUE(paragrafos >= 2 && paragrafos <= 4) << onde.toStdString();
            }
            ++total;
        }
    }
    EXPECT_EQ(total, 214); // 211 an analysis reads, plus the first-vowel records 7 to 9
}

TEST(TextosEntregues, RegistrosSeEncaixamNaFraseDaAnalise) {
    for (const QString& t : fonte("PRESNASC")) {
        // Completes "O seu dom para o Presente de Nascimento é ", and gets a final ".".
        EXPECT_TRUE(t.front().isLower()) << t.left(40).toStdString();
        EXPECT_TRUE(terminaSemPontuacao(t)) << t.right(40).toStdString();
    }
    for (const char* radical : {"APICES", "DESVIDA"}) {
        for (const QString& t : fonte(radical)) {
            EXPECT_TRUE(terminaSemPontuacao(t)) << radical << ": " << t.right(40).toStdString();
        }
    }
    // Listed all together when the challenge is 0: each names its own number.
    const auto desafios = fonte("DESNASC");
    for (int r = 2; r <= 10; ++r) {
        EXPECT_TRUE(desafios.value(r).left(120).contains(QString::number(r - 1)))
            << "DESNASC(" << r << ")";
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

TEST(TextosEntregues, PastaDoProgramaTemFigurasESons) {
    QStringList arquivos = QStringLiteral("welcomeb.wav aguarda.wav virafolh.wav imagens/capa.svg "
                                          "imagens/borda.svg imagens/divisoria.svg")
                               .split(u' ');
    for (int i = 1; i <= 12; ++i) {
        arquivos << QStringLiteral("imagens/signo%1.svg").arg(i, 2, 10, QLatin1Char('0'));
    }
    for (const QString& a : arquivos) {
        EXPECT_GT(QFileInfo(QDir(VIDALUME_PASTA_PROGRAMA).filePath(a)).size(), 100)
            << a.toStdString();
    }
}
