// The numbers of the complete map on worked examples, and their sections: texts from fixture
// files whose records name themselves ("LICCARM 3"), missing files, the charts as text, and
// the export of sections 1 to 28 pinned as it was before the map existed.
#include "engine/MapaCarmico.h"
#include "cli/comandos/ComandoTexto.h"
#include "composer/ComporAnalise.h"
#include "composer/ComporMapa.h"
#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"
#include "engine/MapaLetras.h"
#include "engine/Reducao.h"
#include "settings/CopiaSeguranca.h"
#include "settings/TextosOriginais.h"
#include "texts/TabelaSecoes.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/ArquivosTeste.h"

using namespace vidalume;

namespace {

const QDate kHoje(2026, 12, 6);
const QString kCRLF = QStringLiteral("\r\n");

MapaCarmico mapa(const char* nome, const char* data = "29/11/1978", int limite = 4) {
    const QString n = QString::fromUtf8(nome);
    const RegrasCalculo r = RegrasCalculo::pitagorica(InicioAnoPessoal::Janeiro, limite);
    return CalculaMapaCarmico(n, CalculaNumeros(n, QString::fromLatin1(data), kHoje, r), r);
}

} // namespace

// M A R I A  D A  S I L V A: 1 x5 (A A A S A), 3 x1 (L), 4 x3 (M D V), 9 x3 (R I I).
TEST(MapaCarmico, InclusaoLicoesERespostaSubconsciente) {
    const MapaCarmico m = mapa("MARIA DA SILVA");
    EXPECT_EQ(m.inclusao, (std::array<int, 9>{5, 0, 1, 3, 0, 0, 0, 0, 3}));
    EXPECT_EQ(m.licoesCarmicas, (QList<int>{2, 5, 6, 7, 8}));
    EXPECT_EQ(m.respostaSubconsciente, 4);
    // Digits, spaces and other characters count nowhere.
    EXPECT_EQ(mapa("MARIA DA SILVA 2º-").inclusao, m.inclusao);

    EXPECT_EQ(mapa("MARIA JOSE").licoesCarmicas, (QList<int>{2, 3, 7, 8})); // four lessons
    const MapaCarmico semLicao = mapa("JOSE CARLOS BEZERRA PINHEIRO DA MATA");
    EXPECT_TRUE(semLicao.licoesCarmicas.isEmpty());
    EXPECT_EQ(semLicao.respostaSubconsciente, 9);
    const MapaCarmico semLetras = mapa("123 .");
    EXPECT_EQ(semLetras.licoesCarmicas.size(), 9);
    EXPECT_EQ(semLetras.respostaSubconsciente, 0);
}

// P E D R O  H E N R I Q U E: the 5 four times (E E N E), the 9 three times (R R I).
TEST(MapaCarmico, TendenciasContamOLimite) {
    EXPECT_EQ(mapa("PEDRO HENRIQUE", "29/11/1978", 4).tendenciasOcultas, QList<int>{5});
    EXPECT_EQ(mapa("PEDRO HENRIQUE", "29/11/1978", 3).tendenciasOcultas, (QList<int>{5, 9}));
    EXPECT_EQ(mapa("MARIA DA SILVA", "29/11/1978", 3).tendenciasOcultas, (QList<int>{1, 4, 9}));
}

TEST(MapaCarmico, DividasNosCincoLugaresEmOrdem) {
    using O = OrigemDivida;
    // Day 13; life path 3 + 4 + 9 = 16; JOAO: all letters 14, vowels 6 + 1 + 6 = 13.
    EXPECT_EQ(mapa("JOAO", "13/03/2007").dividas, (QList<DividaCarmica>{{13, O::DiaDoNascimento},
                                                                        {16, O::CaminhoDaVida},
                                                                        {14, O::Expressao},
                                                                        {13, O::ImpulsoDaAlma}}));
    // WALTER: consonants 5 + 3 + 2 + 9 = 19 -> 10 -> 1. The second name: vowels 58 -> 13 -> 4.
    EXPECT_EQ(mapa("WALTER").dividas, (QList<DividaCarmica>{{19, O::EuSilencioso}}));
    EXPECT_EQ(mapa("JOSE CARLOS BEZERRA PINHEIRO").dividas,
              (QList<DividaCarmica>{{13, O::ImpulsoDaAlma}}));
    // Day 19 and life path 1 + 9 + 9 = 19; day 29 (-> 11 -> 2) is no debt.
    EXPECT_EQ(mapa("ANA", "19/09/2007").dividas,
              (QList<DividaCarmica>{{19, O::DiaDoNascimento}, {19, O::CaminhoDaVida}}));
    EXPECT_TRUE(mapa("ANA", "29/11/1978").dividas.isEmpty());
}

TEST(MapaCarmico, MapaDasLetrasSomaComoOsNumerosDoNome) {
    const QString nome = QStringLiteral("YGOR WU");
    const RegrasCalculo r = RegrasCalculo::pitagorica();
    const MapaLetras m = MontaMapaLetras(nome, r);
    ASSERT_EQ(m.palavras.size(), 2);
    EXPECT_EQ(m.palavras[0][0], (LetraMapa{u'Y', 7, LetraMapa::Tipo::Vogal}));
    EXPECT_EQ(m.palavras[1][0], (LetraMapa{u'W', 5, LetraMapa::Tipo::Consoante}));
    EXPECT_EQ(std::tuple(m.totalVogais, m.totalConsoantes, m.totalNome), std::tuple(16, 21, 37));
    EXPECT_EQ(ReduzNumero(m.totalNome), r.somaNome(nome));
    EXPECT_EQ(ReduzNumero(m.totalVogais), r.somaVogais(nome));
    EXPECT_EQ(ReduzNumero(m.totalConsoantes), r.somaConsoantes(nome));
}

class ComporMapaTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* r : {"CDATA", "CMAPA", "LICCARM", "TENDOCUL", "RESPSUBC", "DIVCARM"}) {
            teste::gravaNomeados(arquivos, QString::fromLatin1(r), 9);
        }
    }
    Analise compoe(const char* nome, const char* data, int limite = 4) {
        OpcoesMapa o;
        o.limiteTendencias = limite;
        return ComporAnalise::compoe(QString::fromLatin1(nome), QString::fromLatin1(data), kHoje,
                                     arquivos, o);
    }

    QTemporaryDir dir;
    ArquivoInterpretacao arquivos{dir.path()};
};

TEST_F(ComporMapaTest, SecoesComTitulosExplicacoesETextos) {
    const Analise a = compoe("JOAO", "13/03/2007");
    for (int k = 29; k <= 34; ++k) {
        EXPECT_EQ(a[k].Titulo, QString::fromUtf16(TabelaSecoes::secao(k).titulo));
        EXPECT_EQ(a[k].Descricao, QStringLiteral("CMAPA %1").arg(k - 28));
    }
    EXPECT_EQ(a[29].Texto, RegrasCalculo::pitagorica().descreveLetras());
    EXPECT_EQ(a[30].Numero, QStringLiteral("2, 3, 4, 5, 7, 8, 9"));
    EXPECT_TRUE(a[30].Texto.startsWith(QStringLiteral("Lição Cármica 2:") + kCRLF + "LICCARM 2" +
                                       kCRLF + kCRLF + "Lição Cármica 3:"));
    EXPECT_EQ(a[32].Texto, QStringLiteral("RESPSUBC 2"));
    // The 13 of the day and of the vowels share one heading; records 1 (13), 3 (16), 2 (14).
    EXPECT_EQ(a[33].Numero, QStringLiteral("13, 16, 14"));
    EXPECT_EQ(a[33].Texto,
              QStringLiteral("Dívida Cármica 13, encontrada no Dia do Nascimento e no Impulso da "
                             "Alma:\r\nDIVCARM 1\r\n\r\nDívida Cármica 16, encontrada no Caminho "
                             "da Vida:\r\nDIVCARM 3\r\n\r\nDívida Cármica 14, encontrada na "
                             "Expressão:\r\nDIVCARM 2"));
    EXPECT_TRUE(a[34].Texto.isEmpty());
    EXPECT_EQ(a[34].Quadro.tipo, QuadroSecao::Tipo::LinhaVida);

    const Analise b = compoe("JOSE CARLOS BEZERRA PINHEIRO DA MATA", "29/11/1978", 4);
    EXPECT_EQ(b[30].Texto, ComporMapa::kSemLicoes);
    // The key of the stars stands only where a cell has one.
    EXPECT_FALSE(b[30].Quadro.linhasTexto.join(u' ').contains(u'*'));
    EXPECT_EQ(b[31].Texto, QStringLiteral("Nesta análise, um valor é tendência oculta quando "
                                          "aparece 4 vezes ou mais entre as letras do nome.\r\n\r\n"
                                          "Tendência Oculta 1 (8 letras):\r\nTENDOCUL 1\r\n\r\n"
                                          "Tendência Oculta 5 (5 letras):\r\nTENDOCUL 5\r\n\r\n"
                                          "Tendência Oculta 9 (6 letras):\r\nTENDOCUL 9"));
    EXPECT_EQ(compoe("ANA", "29/11/1978")[33].Texto, ComporMapa::kSemDividas);
    EXPECT_EQ(compoe("123", "29/11/1978")[32].Texto, ComporMapa::kSemLetras);
}

TEST_F(ComporMapaTest, ArquivoQueFaltaEDito) {
    ASSERT_TRUE(QFile::remove(arquivos.caminho(QStringLiteral("LICCARM.DAT"))));
    ASSERT_TRUE(QFile::remove(arquivos.caminho(QStringLiteral("CMAPA.DAT"))));
    ASSERT_TRUE(QFile::remove(arquivos.caminho(QStringLiteral("RESPSUBC.DAT"))));
    ArquivoInterpretacao::avisosNovos();
    const Analise a = compoe("MARIA DA SILVA", "29/11/1978");
    // Blank texts in the document, and the usual warning naming each missing file.
    EXPECT_EQ(a[30].Texto.split(kCRLF + kCRLF),
              (QStringList{"Lição Cármica 2:", "Lição Cármica 5:", "Lição Cármica 6:",
                           "Lição Cármica 7:", "Lição Cármica 8:"}));
    EXPECT_TRUE(a[29].Descricao.isEmpty());
    EXPECT_TRUE(a[32].Texto.isEmpty());
    EXPECT_EQ(a[31].Texto.right(10), QStringLiteral("TENDOCUL 1")); // the others still read
    const QString avisos = ArquivoInterpretacao::avisosNovos().join(u'\n');
    for (const char* nome : {"LICCARM.DAT", "CMAPA.DAT", "RESPSUBC.DAT"}) {
        EXPECT_TRUE(avisos.contains(QLatin1String(nome))) << nome;
    }
}

TEST_F(ComporMapaTest, QuadrosComoTextoNaExportacao) {
    const Analise a = compoe("ANA LU", "29/11/1978");
    EXPECT_EQ(a[29].Quadro.linhasTexto,
              (QStringList{" 1     1        3", " A  N  A     L  U", "    5        3", "",
                           "Vogais (Impulso da Alma): 5", "Consoantes (Eu Silencioso): 8",
                           "Todas as letras (Expressão): 13 → 4"}));
    EXPECT_EQ(
        a[30].Quadro.linhasTexto,
        (QStringList{"1: 2    2: 0*   3: 2 ", "4: 0*   5: 1    6: 0*", "7: 0*   8: 0*   9: 0*",
                     "* número que falta no nome: uma lição cármica"}));

    Configuracao c;
    c.ImprimirNumero = -1;
    OpcoesMapa o;
    for (int k : {29, 31, 32, 33, 34}) {
        o.defineSecao(k, false);
    }
    Configuracao::Selecao nenhuma{};
    EXPECT_EQ(TextoExportacao::monta(a, c, nenhuma, o),
              "CMAPA 2\r\n\r\nLições Cármicas Números 2, 4, 6, 7, 8, 9\r\n\r\n" +
                  a[30].Quadro.linhasTexto.join(kCRLF) + "\r\n\r\n" + a[30].Texto +
                  "\r\n\r\n-=-=-=-=-=-=-=-=-=-=-\r\n\r\n" + a.Aviso + kCRLF);
    // A report without the map never shows the empty entries after 28.
    Analise semMapa = a;
    for (int k = 29; k <= 34; ++k) {
        semMapa[k] = {};
    }
    EXPECT_EQ(TextoExportacao::monta(semMapa, c, nenhuma, OpcoesMapa()), a.Aviso + kCRLF);
}

// The export of sections 1 to 28 and the closing paragraph, pinned by length and SHA-256 for
// a few people: the map's sections come between them and change nothing else, and any change
// of wording there shows here.
TEST(ExportacaoMapa, SecoesAte28IguaisAAntes) {
    struct Caso {
        const char* nome;
        const char* nascimento;
        qsizetype tamanho;
        const char* sha256;
    };
    const Caso casos[] = {
        {"Maria da Silva", "29/11/1978", 34683,
         "2d7c02724948dceda795dc8ebf0d2441a0145305fafa58e04ce3ad939c78f2bd"},
        {"João d'Ávila Conceição", "11/05/1990", 45584,
         "ba153fd4e13e16398b342707cacb1e36633b15de971735fffe9f33618efa286d"},
        {"Ygor Wu", "13/12/2001", 35688,
         "daec90a4c41ee348130d3afcec7c521128750eaafe798868e39cf0bf6ed0034d"},
    };
    const ArquivoInterpretacao arquivos{QStringLiteral(VIDALUME_DADOS_TESTE)};
    for (const Caso& c : casos) {
        EntradaCli e;
        QString erro;
        ASSERT_TRUE(EntradaCli::le(QString::fromUtf8(c.nome), QString::fromLatin1(c.nascimento),
                                   QStringLiteral("06/12/2026"), kHoje, &e, &erro));
        const QString texto = ComandoTexto::texto(e, arquivos.pasta());
        const Analise a = ComporAnalise::compoe(e.nome, e.nascimento, kHoje, arquivos);
        const qsizetype inicioMapa =
            texto.indexOf(a[29].Descricao + kCRLF + kCRLF + a[29].Titulo + kCRLF);
        const QString aviso = a.Aviso + kCRLF;
        ASSERT_GT(inicioMapa, 0) << c.nome;
        ASSERT_TRUE(texto.endsWith(TextoExportacao::kSeparador + kCRLF + kCRLF + aviso));
        const QByteArray antes = (texto.left(inicioMapa) + aviso).toUtf8();
        EXPECT_EQ(QString(antes).size(), c.tamanho) << c.nome;
        EXPECT_EQ(QCryptographicHash::hash(antes, QCryptographicHash::Sha256).toHex(),
                  QByteArray(c.sha256))
            << c.nome;
        EXPECT_TRUE(texto.mid(inicioMapa).contains(QStringLiteral("Linha da Vida\r\n\r\n")))
            << c.nome;
    }
}

// The map's files are restorable under their sections' names, and its options are backed up.
TEST(ExportacaoMapa, ArquivosDoMapaNasListas) {
    EXPECT_EQ(TextosOriginais::descricao(QStringLiteral("DIVCARM.DAT")),
              QStringLiteral("Dívidas Cármicas (DIVCARM.DAT)"));
    EXPECT_EQ(TextosOriginais::descricao(QStringLiteral("CMAPA.DAT")),
              QStringLiteral("Explicações do mapa cármico e da Linha da Vida (CMAPA.DAT)"));
    EXPECT_TRUE(CopiaSeguranca::nomeConhecido(OpcoesMapa::kArquivo));
}
