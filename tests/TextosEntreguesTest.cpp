// The interpretation texts delivered with the program: every record an analysis or the
// editor can open exists, fits its record in Windows-1252 and reads well in its sentence.
#include "composer/AvisoFinal.h"
#include "engine/Windows1252.h"
#include "texts/ArquivoInterpretacao.h"
#include "texts/FonteTextos.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace vidalume;

namespace {

// Every record of a file is written to about the same length: a record far shorter than its
// siblings is a cut or a placeholder, one far longer crowds the page.
struct Esperado {
    const char* radical;
    int registros;
    int minimo; // characters, paragraph breaks included
    int maximo;
};

constexpr Esperado kArquivos[] = {
    {"CVIDA", 9, 970, 1260},     {"CFORM", 9, 810, 1200},    {"CPROD", 9, 870, 1140},
    {"CCOLH", 9, 770, 1100},     {"CDNAS", 9, 750, 1060},    {"DESNASC", 10, 750, 1300},
    {"PRESNASC", 10, 640, 890},  {"APICES", 9, 740, 1060},   {"DESVIDA", 9, 730, 1020},
    {"INDSAUDE", 10, 890, 1240}, {"INTANOUN", 9, 740, 1040}, {"INTMESUN", 9, 770, 1070},
    {"INTDIAUN", 9, 720, 980},   {"INTANOPS", 9, 870, 1180}, {"INTMESPS", 9, 870, 1200},
    {"INTDIAPS", 9, 770, 1010},  {"INTEXEXP", 9, 950, 1290}, {"IMPXALMA", 9, 900, 1250},
    {"EUXSILEN", 9, 870, 1120},  {"INTVOG", 9, 800, 1200},   {"INTNOME", 9, 810, 1060},
    {"INTREALI", 9, 780, 1070},  {"CDATA", 13, 400, 880},    {"COMPATIB", 45, 1000, 1500},
    {"LICCARM", 9, 900, 1200},   {"TENDOCUL", 9, 870, 1120}, {"RESPSUBC", 9, 880, 1150},
    {"DIVCARM", 4, 950, 1200},   {"CMAPA", 6, 480, 1100},    {"AVISO", 1, 150, 400},
    {"INFANTIL", 37, 140, 700},  {"LONGEVOS", 9, 400, 700}};

QMap<int, QString> fonte(const char* radical) {
    QString erro;
    auto r = FonteTextos::carrega(QDir(VIDALUME_FONTES_TEXTOS).filePath(radical + QString(".txt")),
                                  &erro);
    EXPECT_TRUE(erro.isEmpty()) << radical << ": " << erro.toStdString();
    return r;
}

} // namespace

TEST(TextosEntregues, CadaRegistroExisteECabeNoSeuRegistro) {
    for (const auto& [radical, registros, minimo, maximo] : kArquivos) {
        const auto textos = fonte(radical);
        ASSERT_EQ(textos.size(), registros) << radical;
        EXPECT_EQ(textos.lastKey(), registros) << radical;
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString& t = it.value();
            const QString onde = QStringLiteral("%1(%2)").arg(radical).arg(it.key());
            EXPECT_EQ(Windows1252::restringe(t), t) << onde.toStdString();
            EXPECT_LE(Windows1252::codifica(t).size(), ArquivoInterpretacao::kTamanhoRegistro);
            EXPECT_GE(t.size(), minimo) << onde.toStdString();
            EXPECT_LE(t.size(), maximo) << onde.toStdString();
        }
    }
}

// Listed all together when the challenge is 0, the challenge records must each name their own
// number; the records that continue a sentence do not close it.
TEST(TextosEntregues, DesafiosNomeiamSeuNumeroEContinuacoesNaoFecham) {
    const auto desafios = fonte("DESNASC");
    for (int r = 2; r <= 10; ++r) {
        EXPECT_TRUE(desafios.value(r).left(120).contains(QString::number(r - 1)))
            << "DESNASC(" << r << ")";
    }
    // The gift, the pinnacles and the challenges of life continue a sentence the analysis
    // opens and closes itself: "O seu Presente do Dia do Nascimento é " + text + ".".
    for (const char* radical : {"PRESNASC", "APICES", "DESVIDA"}) {
        const auto textos = fonte(radical);
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString t = it.value().trimmed();
            EXPECT_TRUE(t.back().isLetter()) << radical << "(" << it.key() << ")";
        }
    }
    for (const QString& t : fonte("PRESNASC")) {
        EXPECT_TRUE(t.front().isLower()) << t.left(40).toStdString();
    }
}

// Rules every shipped text keeps. Most readers are women: no text speaks of the reader in
// the masculine, by an object pronoun ("magoá-lo", "o leva a") or a predicate, nor patches
// it with "(a)". A month text promises nothing about the next month (false in December and
// at a birthday), no text sends the client to the program's menus, and the records every
// reader gets (children, pairs who are not couples) assume no job, car, partner or shared
// household.
TEST(TextosEntregues, RegrasDeCadaTexto) {
    static const QRegularExpression::PatternOptions kOpcoes =
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption;
    static const QRegularExpression pronomeAposVerbo(QStringLiteral(R"([áâéêíóôi]-lo\b)"));
    static const QRegularExpression terminacaoDupla(
        QStringLiteral(R"(\w(\((a|as|o|os)\)|/as?\b))"));
    static const QRegularExpression formas(
        QStringLiteral(
            R"((?<!\w)(colocá-lo|recompensá-lo|levá-lo|deixá-lo|conduzi-lo|magoá-lo|)"
            R"(procurá-lo|torná-lo|afastá-lo|sufocá-lo|idealizá-lo|que o leva|o impulsiona|)"
            R"(o orienta|o aprisionam|o impede|o vejam|sozinho|incompreendido|seguro de si|)"
            R"(si mesmo|você mesmo|um colaborador|um parceiro|ser dono|sendo admirado|)"
            R"(papel de salvador)(?!\w))"),
        kOpcoes);
    static const QRegularExpression proibido(
        QStringLiteral(R"(m[eê]s seguinte|pr[oó]ximo m[eê]s|m[eê]s que vem|que vem a seguir|)"
                       R"(Cálculos e opções|\bmenu\b|Alterar →)"),
        kOpcoes);
    static const QRegularExpression pressuposto(
        QStringLiteral(R"(\b(ninho|orçamento combinado|colegas?|carro|aposentadoria|herança|)"
                       R"(cônjuges?|chefe|emprego|marido|esposa)\b)"),
        kOpcoes);
    const QSet<QString> lidosPorTodos = {"INTDIAUN", "INTMESPS", "INTMESUN", "CCOLH",
                                         "DESVIDA",  "CDNAS",    "COMPATIB", "LONGEVOS"};
    for (const auto& e : kArquivos) {
        const auto textos = fonte(e.radical);
        const bool todos = lidosPorTodos.contains(QString::fromLatin1(e.radical));
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString onde = QStringLiteral("%1(%2)").arg(e.radical).arg(it.key());
            for (const QRegularExpression* r :
                 {&pronomeAposVerbo, &terminacaoDupla, &formas, &proibido}) {
                EXPECT_FALSE(it.value().contains(*r))
                    << onde.toStdString() << ": " << r->match(it.value()).captured().toStdString();
            }
            EXPECT_FALSE(todos && it.value().contains(pressuposto))
                << onde.toStdString() << ": "
                << pressuposto.match(it.value()).captured().toStdString();
        }
    }
}

// A personal month works inside the theme of its year, and every record says so; the map's
// lessons, tendencies and responses speak to the reader as "você", never of a third person.
TEST(TextosEntregues, MesDentroDoAnoEMapaFalaComVoce) {
    for (const QString& t : fonte("INTMESPS")) {
        EXPECT_TRUE(t.contains(QStringLiteral("ano pessoal"))) << t.left(60).toStdString();
    }
    static const QRegularExpression terceira(
        QStringLiteral(R"(\b(há quem|quem tem|a pessoa|essa pessoa)\b)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression voce(QStringLiteral(R"(\b(você|seus?|suas?|lhe)\b)"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption);
    for (const char* radical : {"LICCARM", "TENDOCUL", "RESPSUBC"}) {
        const auto textos = fonte(radical);
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString onde = QStringLiteral("%1(%2)").arg(radical).arg(it.key());
            EXPECT_FALSE(it.value().contains(terceira))
                << onde.toStdString() << ": "
                << terceira.match(it.value()).captured().toStdString();
            EXPECT_TRUE(it.value().contains(voce)) << onde.toStdString();
        }
    }
}

// The health number is the digit that repeats most among the fifteen numbers drawn from the
// birth date, plus one, and record i sits under the heading "Número i" (record 10: 1, from 10).
// The opening must name that number and no other, and each record says once that it comes
// from the fifteen numbers of the birth date, never from the whole analysis.
TEST(TextosEntregues, SaudeFalaDoNumeroQueOTituloMostra) {
    static const QRegularExpression numero(QStringLiteral(R"(\b\d+\b)"));
    static const QRegularExpression analiseInteira(
        QStringLiteral(R"(números da (sua )?análise|toda a (sua )?análise|análise inteira)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto textos = fonte("INDSAUDE");
    for (int r = 1; r <= 10; ++r) {
        const QString t = textos.value(r);
        EXPECT_FALSE(t.contains(analiseInteira)) << r;
        EXPECT_EQ(t.count(QStringLiteral("quinze números")), 1) << r;
        static const QRegularExpression fimDeFrase(QStringLiteral(R"((?<=[.!?])\s+)"));
        const QString abertura = t.split(fimDeFrase).mid(0, 2).join(u' ');
        QSet<QString> citados;
        for (auto m = numero.globalMatch(abertura); m.hasNext();) {
            citados.insert(m.next().captured());
        }
        const QString mostrado = QString::number(r == 10 ? 1 : r);
        const QSet<QString> permitidos =
            r == 10 ? QSet<QString>{mostrado, QStringLiteral("9"), QStringLiteral("10")}
                    : QSet<QString>{mostrado};
        EXPECT_TRUE(citados.contains(mostrado)) << r;
        EXPECT_TRUE(permitidos.contains(citados)) << r;
    }
    EXPECT_NE(textos.value(1).left(200), textos.value(10).left(200));
}

// The compatibility file holds one record per unordered pair a <= b of 1..9, in the order
// 1-1, 1-2, ..., 1-9, 2-2, ..., 9-9; a record out of place would be read for the wrong pair.
// The reading prints the harmony of the two numbers, with their groups, right above the pair
// text: the text must not say it again.
TEST(TextosEntregues, CadaCompatibilidadeNomeiaOSeuPar) {
    static const QRegularExpression grupo(QStringLiteral(R"(\bgrupos?\b|família numérica)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto textos = fonte("COMPATIB");
    int registro = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = a; b <= 9; ++b) {
            const QString texto = textos.value(++registro), inicio = texto.left(200);
            EXPECT_TRUE(inicio.contains(QString::number(a)) && inicio.contains(QString::number(b)))
                << "COMPATIB(" << registro << ") " << a << "-" << b;
            EXPECT_FALSE(texto.contains(grupo)) << "COMPATIB(" << registro << ")";
        }
    }
}

TEST(TextosEntregues, ArquivosGeradosLemOsMesmosTextos) {
    for (const QString& pasta :
         {QStringLiteral(VIDALUME_DADOS_TESTE), QStringLiteral(VIDALUME_PASTA_PROGRAMA)}) {
        const ArquivoInterpretacao arquivos(pasta);
        for (const auto& [radical, registros, minimo, maximo] : kArquivos) {
            const QString nome = QString::fromLatin1(radical) + ".DAT";
            ASSERT_TRUE(QFileInfo::exists(arquivos.caminho(nome)))
                << pasta.toStdString() << nome.toStdString();
            if (pasta != QStringLiteral(VIDALUME_DADOS_TESTE)) {
                continue; // the program folder may hold texts the user edited
            }
            EXPECT_EQ(QFileInfo(arquivos.caminho(nome)).size(), qint64(registros) * 5120);
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

namespace {

// The first `n` words of `texto`, lower case, without punctuation.
QString primeirasPalavras(const QString& texto, int n) {
    static const QRegularExpression palavra(QStringLiteral(R"(\w+)"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    QStringList palavras;
    for (auto m = palavra.globalMatch(texto); m.hasNext() && palavras.size() < n;) {
        palavras << m.next().captured().toLower();
    }
    return palavras.join(u' ');
}

QString ultimaFrase(const QString& texto) {
    static const QRegularExpression fimDeFrase(QStringLiteral(R"((?<=[.!?])\s+)"));
    return texto.trimmed().split(fimDeFrase).last();
}

} // namespace

// The four pinnacles and the four challenges print one after another, a forecast prints a
// month text after another, and a reading prints three pair texts in a row: none may open,
// or close, with the same formula.
TEST(TextosEntregues, NenhumaFormulaSeRepeteNumaLeitura) {
    for (const char* radical : {"APICES", "DESVIDA", "INTMESPS"}) {
        QMap<QString, int> aberturas;
        const auto textos = fonte(radical);
        for (auto it = textos.cbegin(); it != textos.cend(); ++it) {
            const QString abertura = primeirasPalavras(it.value(), 4);
            EXPECT_FALSE(aberturas.contains(abertura))
                << radical << "(" << it.key() << ") e (" << aberturas.value(abertura)
                << "): " << abertura.toStdString();
            aberturas.insert(abertura, it.key());
        }
    }
    QMap<QString, int> fechos;
    const auto pares = fonte("COMPATIB");
    for (auto it = pares.cbegin(); it != pares.cend(); ++it) {
        const QString fecho = primeirasPalavras(ultimaFrase(it.value()), 3);
        EXPECT_FALSE(fechos.contains(fecho)) << "COMPATIB(" << it.key() << ") e ("
                                             << fechos.value(fecho) << "): " << fecho.toStdString();
        fechos.insert(fecho, it.key());
    }
}

// The closing paragraph is the shipped one, and no other text says it again.
TEST(TextosEntregues, AvisoFinalSoNoSeuArquivo) {
    EXPECT_EQ(AvisoFinal::texto(ArquivoInterpretacao(VIDALUME_DADOS_TESTE)),
              AvisoFinal::kTextoOriginal);
    for (const auto& e : kArquivos) {
        for (const QString& t : fonte(e.radical)) {
            EXPECT_EQ(t.contains(QStringLiteral("não substitui")),
                      QLatin1String(e.radical) == QLatin1String("AVISO"))
                << e.radical;
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
