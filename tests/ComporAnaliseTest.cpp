// Composition of the 28 sections and the exported text, against interpretation files whose
// every record names itself ("CVIDA 3"), so the record each section reads is visible.
#include "composer/ComporAnalise.h"
#include "composer/AvisoFinal.h"
#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"
#include "composer/TextosInfantis.h"
#include "composer/TextosLongevos.h"
#include "composer/TextosRepetidos.h"
#include "texts/TabelaSecoes.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/ArquivosTeste.h"

using namespace vidalume;

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QDate kHoje(2026, 12, 6);

class ComporAnaliseTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Every section's file, and the explanations.
        QStringList radicais = {QStringLiteral("CDATA")};
        for (int k = 1; k <= TabelaSecoes::kTotal; ++k) {
            radicais << QString::fromLatin1(TabelaSecoes::secao(k).radical);
        }
        for (const QString& r : radicais) {
            teste::gravaNomeados(arquivos, r, 13);
        }
    }
    Analise compoe(const QString& nome, const QString& data, QDate hoje = kHoje) {
        return ComporAnalise::compoe(nome, data, hoje, arquivos);
    }

    QTemporaryDir dir;
    ArquivoInterpretacao arquivos{dir.path()};
};

} // namespace

TEST_F(ComporAnaliseTest, ExemploCompletoSecaoASecao) {
    const Analise a = compoe(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"));
    EXPECT_EQ(a[1], (ItemAnalise{"Interpretações do Caminho da Vida:", "CDATA 1", "CVIDA 2", "2"}));
    EXPECT_EQ(a[2].Descricao, "CDATA 2" + CRLF);
    EXPECT_EQ(a[4].Titulo, QStringLiteral("Dia em que Termina o Ciclo Produtivo e Começa o Ciclo "
                                          "da Colheita: 29/11/2040"));
    QStringList textos, descricoes;
    // Today 06/12/2026: universal year R(2026) = 1, month R(R(12) + 1) = 4, day R(6 + 4) = 1;
    // born 29/11: personal year R(4 + 1) = 5, month R(3 + 5) = 8, day R(6 + 8) = 5.
    for (int k : {4, 5, 6, 8, 9, 12, 13, 16, 17, 18, 19, 20, 21, 22, 23, 28}) {
        textos << a[k].Texto;
    }
    EXPECT_EQ(textos, QStringList({"CCOLH 7", "CDNAS 2", "DESNASC 8", "APICES 4.", "APICES 9.",
                                   "DESVIDA 6.", "DESVIDA 1.", "INDSAUDE 3", "INTANOUN 1",
                                   "INTMESUN 4", "INTDIAUN 1", "INTANOPS 5", "INTMESPS 8",
                                   "INTDIAPS 5", "INTEXEXP 2", "INTREALI 4"}));
    for (int k : {3, 4, 5, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 21, 22, 28}) {
        descricoes << a[k].Descricao;
    }
    EXPECT_EQ(descricoes, QStringList({"", "", "CDATA 3", "", "", "", "CDATA 5", "", "", "",
                                       "CDATA 6", "", "", "", "", "CDATA 13"}));
    EXPECT_EQ(a[13].Numero, QStringLiteral("0"));
    EXPECT_EQ(a[7].Texto, QStringLiteral("O seu Presente do Dia do Nascimento é PRESNASC 3."));
    EXPECT_EQ(a[11].Titulo, QStringLiteral("A sua quarta realização tem início aos seus 52 anos e "
                                           "prolonga-se até o fim de sua vida."));
    EXPECT_EQ(a[25].Texto, "EUXSILEN " + a[25].Numero + CRLF);
    EXPECT_EQ(a[26], (ItemAnalise{"Interpretação da Primeira Vogal:", "CDATA 11", "INTVOG 1" + CRLF,
                                  "A"}));
}

// Record 1 says why the challenge 0 brings every lesson, so it opens the list of nine.
TEST_F(ComporAnaliseTest, DesafioZeroExplicaEListaOsNoveDesafios) {
    for (const char* data : {"11/05/1990", "22/05/1990"}) {
        const Analise a = compoe(QStringLiteral("ANA MARIA"), QString::fromLatin1(data));
        QString esperado = "DESNASC 1" + CRLF;
        for (int r = 2; r <= 10; ++r) {
            esperado += "DESNASC " + QString::number(r) + CRLF;
        }
        EXPECT_EQ(a[6].Texto, esperado) << data;
        EXPECT_EQ(a[7].Texto, QStringLiteral("O seu Presente do Dia do Nascimento é PRESNASC 10."));
    }
}

// A pinnacle whose period has ended is told in the past, the current one as begun and going
// on, the coming ones in the present. Ages 5, 33, 34, 48 and 95 on the day of the analysis.
TEST_F(ComporAnaliseTest, RealizacoesQueJaTerminaramFicamNoPassado) {
    const auto passadas = [&](const char* data, QDate hoje = kHoje) {
        const Analise a = compoe(QStringLiteral("ANA MARIA"), QString::fromLatin1(data), hoje);
        QString marcas;
        for (int k = 8; k <= 11; ++k) {
            marcas += a[k].Titulo.contains(QStringLiteral("teve início")) &&
                              a[k].Titulo.contains(QStringLiteral("e prolongou-se até"))
                          ? u'P'
                          : u'-';
        }
        return marcas;
    };
    EXPECT_EQ(passadas("10/01/2021"), QStringLiteral("----"));
    EXPECT_EQ(passadas("29/11/1978"), QStringLiteral("PP--")); // pinnacles end at 34, 43, 52
    EXPECT_EQ(passadas("29/11/1978", QDate(2012, 11, 28)), QStringLiteral("----"));
    EXPECT_EQ(passadas("29/11/1978", QDate(2012, 11, 29)), QStringLiteral("P---"));
    EXPECT_EQ(passadas("03/02/1931"), QStringLiteral("PPP-"));
    // The period the reader is in began in the past and goes on; one to come is ahead.
    const Analise a = compoe(QStringLiteral("ANA MARIA"), QStringLiteral("29/11/1978"));
    EXPECT_TRUE(a[10].Titulo.contains(u"terceira realização teve início aos seus 43 anos e "
                                      u"prolonga-se até"));
    EXPECT_TRUE(a[11].Titulo.contains(u"quarta realização tem início aos seus 52"));
    EXPECT_TRUE(
        compoe(QStringLiteral("ANA MARIA"), QStringLiteral("03/02/1931"))[11].Titulo.contains(
            u"quarta realização teve início"));
}

// A pinnacle or challenge number met again prints a short paragraph that points to the first
// shown position; a position left out is never pointed to; the option keeps every text.
TEST_F(ComporAnaliseTest, TextoRepetidoSaiUmaVez) {
    Analise a;
    const QStringList numeros = {"4", "9", "4", "4", "0", "0", "0", "2"};
    for (int k = 8; k <= 15; ++k) {
        const QString n = numeros[k - 8];
        a[k] = {QStringLiteral("T%1").arg(k), {}, (k < 12 ? "APICES " : "DESVIDA ") + n + ".", n};
    }
    Configuracao::Selecao todas = Configuracao::padraoCalculos();
    todas.fill(-1);
    const Analise r = TextosRepetidos::resume(a, todas, OpcoesMapa());
    EXPECT_EQ(r[9].Texto, a[9].Texto);
    EXPECT_TRUE(r[10].Texto.startsWith(QStringLiteral(
        "O 4 volta como terceira Realização: o texto da primeira Realização, acima, vale")));
    EXPECT_TRUE(r[14].Texto.startsWith(
        QStringLiteral("O 0 volta como segundo Desafio Menor: o texto do Desafio Maior")));
    EXPECT_EQ(r[15].Texto, a[15].Texto);
    const QString exportado = TextoExportacao::monta(a, Configuracao(), todas, OpcoesMapa());
    EXPECT_EQ(exportado.count(QStringLiteral("APICES 4.")), 1);
    EXPECT_EQ(exportado.count(QStringLiteral("DESVIDA 0.")), 1);

    Configuracao::Selecao semPrimeira = todas;
    semPrimeira[8] = 0;
    const Analise s = TextosRepetidos::resume(a, semPrimeira, OpcoesMapa());
    EXPECT_EQ(s[10].Texto, a[10].Texto);
    EXPECT_EQ(s[11].Texto, TextosRepetidos::paragrafo(11, 10, QStringLiteral("4")));

    OpcoesMapa inteiros;
    inteiros.textosRepetidosInteiros = true;
    EXPECT_EQ(TextosRepetidos::resume(a, todas, inteiros), a);
}

// Under 14 the analysis opens with the paragraph to the family and the texts of the present
// come from the child variants; from 14 on, or without the file, the usual texts stay.
TEST_F(ComporAnaliseTest, CriancaEOitentaAnosLeemSuasVariantes) {
    const QString nome = QStringLiteral("ANA MARIA");
    EXPECT_TRUE(compoe(nome, QStringLiteral("10/01/2021")).Abertura.isEmpty());
    teste::gravaNomeados(arquivos, QStringLiteral("INFANTIL"), 37);
    const auto infantil = [](int r) { return "INFANTIL " + QString::number(r); };
    for (const auto& [data, crianca] :
         {std::pair{"10/01/2021", true}, std::pair{"07/12/2012", true},
          std::pair{"06/12/2012", false}}) {
        SCOPED_TRACE(data);
        const Analise a = compoe(nome, QString::fromLatin1(data));
        const NumerosAnalise n =
            CalculaNumeros(nome, QString::fromLatin1(data), kHoje, RegrasCalculo::pitagorica());
        EXPECT_EQ(a.Abertura, crianca ? infantil(1) : QString());
        EXPECT_EQ(a[8].Texto == infantil(1 + n.realizacoes[0]), crianca);
        EXPECT_EQ(a[20].Texto == infantil(10 + n.anoPessoal), crianca);
        EXPECT_EQ(a[21].Texto == infantil(19 + n.mesPessoal), crianca);
        EXPECT_EQ(a[22].Texto == infantil(28 + n.diaPessoal), crianca);
        EXPECT_TRUE(a[9].Texto.startsWith(QStringLiteral("APICES"))); // later ones keep theirs
        EXPECT_EQ(TextoExportacao::monta(a, Configuracao(), OpcoesMapa()).startsWith(infantil(1)),
                  crianca);
    }

    // From 80 on the personal year comes from its own variant; the other texts stay.
    teste::gravaNomeados(arquivos, QStringLiteral("LONGEVOS"), 9);
    for (const auto& [data, longevo] :
         {std::pair{"06/12/1946", true}, std::pair{"07/12/1946", false},
          std::pair{"01/01/1931", true}}) {
        SCOPED_TRACE(data);
        const Analise a = compoe(nome, QString::fromLatin1(data));
        const NumerosAnalise n =
            CalculaNumeros(nome, QString::fromLatin1(data), kHoje, RegrasCalculo::pitagorica());
        EXPECT_EQ(a[20].Texto == "LONGEVOS " + QString::number(n.anoPessoal), longevo);
        EXPECT_FALSE(a[21].Texto.startsWith(QStringLiteral("LONGEVOS")));
        EXPECT_TRUE(a.Abertura.isEmpty());
    }
}

// Today's date and the forecast date change only the sections of the day; a forecast says
// for which date it was computed.
TEST_F(ComporAnaliseTest, DataDasPrevisoesMudaSoAsSecoesDoDiaEDizQualE) {
    const QString nome = QStringLiteral("ANA MARIA"), data = QStringLiteral("29/11/1978");
    const Analise deHoje = compoe(nome, data);
    EXPECT_EQ(ComporAnalise::compoe(nome, data, kHoje, kHoje, arquivos), deHoje);
    EXPECT_EQ(ComporAnalise::compoe(nome, data, kHoje, QDate(), arquivos), deHoje);

    const Analise previsao = ComporAnalise::compoe(nome, data, kHoje, QDate(2027, 3, 15), arquivos);
    const Analise daquelaData = compoe(nome, data, QDate(2027, 3, 15));
    EXPECT_NE(daquelaData[17].Texto, deHoje[17].Texto);
    for (int k = 1; k <= 28; ++k) {
        if (k < 17 || k > 22) {
            EXPECT_EQ(previsao[k], deHoje[k]) << k;
            EXPECT_EQ(daquelaData[k], deHoje[k]) << k;
            continue;
        }
        EXPECT_EQ(previsao[k].Titulo, deHoje[k].Titulo);
        EXPECT_EQ(previsao[k].Numero, daquelaData[k].Numero);
        EXPECT_EQ(previsao[k].Texto,
                  "Previsões calculadas para 15/03/2027" + CRLF + CRLF + daquelaData[k].Texto)
            << k;
    }
}

TEST_F(ComporAnaliseTest, NomeSemVogaisSemConsoantesOuSemValor) {
    Analise a = compoe(QStringLiteral("BRR KST"), QStringLiteral("29/11/1978"));
    EXPECT_EQ(a[24].Texto, ComporAnalise::kSemVogais);
    EXPECT_EQ(a[26].Numero, QStringLiteral("-"));
    EXPECT_EQ(a[26].Texto, ComporAnalise::kSemVogaisPrimeiraVogal + CRLF);

    a = compoe(QStringLiteral("AIE OUA"), QStringLiteral("29/11/1978"));
    EXPECT_EQ(a[25].Texto, ComporAnalise::kSemConsoantes + CRLF);

    a = compoe(QStringLiteral("ºººº º"), QStringLiteral("29/11/1978"));
    EXPECT_EQ(a[23].Texto, ComporAnalise::kSemValorExpressao);
    EXPECT_EQ(a[28].Texto, QStringLiteral("INTREALI 2")); // reality = life path
}

TEST_F(ComporAnaliseTest, TextoExportado) {
    const Analise a = compoe(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"));
    Configuracao c;
    c.CalculosAtivos.fill(0);
    c.CalculosAtivos[1] = -1;
    c.CalculosAtivos[26] = 1;
    const QString sep = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-");
    EXPECT_EQ(TextoExportacao::monta(a, c, PartesSecao::semSecoesMapa()),
              "CDATA 1" + CRLF + CRLF + "Interpretações do Caminho da Vida:" + CRLF + CRLF +
                  "CVIDA 2" + CRLF + CRLF + sep + CRLF + CRLF + "CDATA 11" + CRLF + CRLF +
                  "Interpretação da Primeira Vogal:" + CRLF + CRLF + "INTVOG 1" + CRLF + CRLF +
                  CRLF + sep + CRLF + CRLF + AvisoFinal::kTextoOriginal + CRLF);

    // A description of 5 characters stays out; one of 6 goes in.
    Analise curta = a;
    curta[1].Descricao = QStringLiteral("12345");
    curta[26].Descricao = QStringLiteral("123456");
    const QString t = TextoExportacao::monta(curta, c, PartesSecao::semSecoesMapa());
    EXPECT_FALSE(t.contains(QStringLiteral("12345\r\n")));
    EXPECT_TRUE(t.contains("123456" + CRLF + CRLF + "Interpretação da Primeira Vogal:"));
}

// The closing paragraph ends every export, with no section selected and with the
// explanations off too; it is the folder's own record when there is one, the shipped wording
// when the file is missing (a folder kept from an older version) or the record is blank.
TEST_F(ComporAnaliseTest, AvisoFinalEncerraTodaExportacao) {
    Configuracao c;
    c.ImprimirDescricao = 0;
    c.CalculosAtivos.fill(0);
    const Analise semArquivo = compoe(QStringLiteral("ANA MARIA"), QStringLiteral("29/11/1978"));
    EXPECT_EQ(semArquivo.Aviso, AvisoFinal::kTextoOriginal);
    EXPECT_EQ(TextoExportacao::monta(semArquivo, c, PartesSecao::semSecoesMapa()),
              AvisoFinal::kTextoOriginal + CRLF);

    ASSERT_TRUE(arquivos.GravaTextoInterpretacao(1, QStringLiteral("AVISO.DAT"), "   "));
    EXPECT_EQ(AvisoFinal::texto(arquivos), AvisoFinal::kTextoOriginal);
    ASSERT_TRUE(
        arquivos.GravaTextoInterpretacao(1, QStringLiteral("AVISO.DAT"), "Aviso da casa." + CRLF));
    const Analise propria = compoe(QStringLiteral("ANA MARIA"), QStringLiteral("29/11/1978"));
    c.CalculosAtivos[1] = -1;
    const QString t = TextoExportacao::monta(propria, c, PartesSecao::semSecoesMapa());
    EXPECT_TRUE(t.startsWith(QStringLiteral("Interpretações do Caminho da Vida:")));
    EXPECT_TRUE(t.endsWith(TextoExportacao::kSeparador + CRLF + CRLF + "Aviso da casa." + CRLF));
    EXPECT_EQ(t.count(QStringLiteral("Aviso da casa.")), 1);
}

// Under the 1 January rule the exported personal sections keep their bytes; under the
// birthday rule a day before the birthday reads the records of the year before.
TEST_F(ComporAnaliseTest, InicioDoAnoPessoalNoTextoExportado) {
    const QDate antesDoAniversario(2026, 11, 10);
    Configuracao c;
    c.CalculosAtivos.fill(0);
    for (int k = 20; k <= 22; ++k) {
        c.CalculosAtivos[k] = -1;
    }
    const QString sep = QStringLiteral("-=-=-=-=-=-=-=-=-=-=-");
    const auto exportado = [&](int ano, int mes, int dia) {
        return "CDATA 7" + CRLF + CRLF + "Interpretações do Ano Pessoal:" + CRLF + CRLF +
               "INTANOPS " + QString::number(ano) + CRLF + CRLF + sep + CRLF + CRLF +
               "Interpretações do Mês Pessoal:" + CRLF + CRLF + "INTMESPS " + QString::number(mes) +
               CRLF + CRLF + sep + CRLF + CRLF + "Interpretações do Dia Pessoal:" + CRLF + CRLF +
               "INTDIAPS " + QString::number(dia) + CRLF + CRLF + sep + CRLF + CRLF +
               AvisoFinal::kTextoOriginal + CRLF;
    };
    const QString nome = QStringLiteral("MARIA DA SILVA");
    const QString data = QStringLiteral("29/11/1978");
    OpcoesMapa janeiro = PartesSecao::semSecoesMapa();
    OpcoesMapa aniversario = janeiro;
    aniversario.inicioAnoPessoal = InicioAnoPessoal::Aniversario;
    EXPECT_EQ(TextoExportacao::monta(compoe(nome, data, antesDoAniversario), c, janeiro),
              exportado(5, 7, 8));
    EXPECT_EQ(TextoExportacao::monta(
                  ComporAnalise::compoe(nome, data, antesDoAniversario, arquivos, aniversario), c,
                  aniversario),
              exportado(4, 6, 7));
}
