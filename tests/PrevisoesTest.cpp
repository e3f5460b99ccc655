// The numbers of a year ahead: the start of the personal year on the birthday, the calendar
// of a month, the line of life, and the forecast composed from the interpretation files.
#include "composer/AvisoFinal.h"
#include "composer/ComporAnalise.h"
#include "composer/PrevisoesAno.h"
#include "composer/TextoExportacao.h"
#include "engine/CalendarioMes.h"
#include "engine/LinhaVida.h"
#include "engine/NumerosAnalise.h"
#include "engine/NumerosDoDia.h"

#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/ArquivosTeste.h"

using namespace vidalume;

namespace {

constexpr auto kJaneiro = InicioAnoPessoal::Janeiro;
constexpr auto kAniversario = InicioAnoPessoal::Aniversario;

NumerosDoDia dia(int dn, int mn, int d, int m, int a, InicioAnoPessoal regra) {
    return NumerosDoDia::calcula(dn, mn, QDate(a, m, d), RegrasCalculo::pitagorica(regra));
}

} // namespace

// Born 29/11 (M + D = 4): in 2026 (R = 1) the personal year is 5; the day before the
// birthday still belongs to 2025's (R = 9), personal year 4, and month and day follow it.
TEST(InicioAnoPessoal, VirarNoAniversario) {
    const NumerosDoDia antes = dia(29, 11, 28, 11, 2026, kAniversario);
    EXPECT_EQ(std::tie(antes.anoPessoal, antes.mesPessoal, antes.diaPessoal), std::tuple(4, 6, 7));
    EXPECT_EQ(antes.anoUniversal, 1); // the universal numbers keep the calendar
    const NumerosDoDia no = dia(29, 11, 29, 11, 2026, kAniversario);
    EXPECT_EQ(std::tie(no.anoPessoal, no.mesPessoal, no.diaPessoal), std::tuple(5, 7, 9));
    EXPECT_EQ(dia(29, 11, 31, 12, 2026, kAniversario).anoPessoal, 5);
    EXPECT_EQ(dia(29, 11, 1, 1, 2026, kAniversario).anoPessoal, 4);
    // On 1 January the year turns for everyone on every day.
    EXPECT_EQ(dia(29, 11, 28, 11, 2026, kJaneiro).anoPessoal, 5);
}

TEST(InicioAnoPessoal, VinteENoveDeFevereiro) {
    // Common year: the birthday falls on 1 March.
    EXPECT_EQ(NumerosDoDia::aniversario(29, 2, 2027), QDate(2027, 3, 1));
    const int antes2027 = dia(29, 2, 28, 2, 2027, kAniversario).anoPessoal;
    const int depois2027 = dia(29, 2, 1, 3, 2027, kAniversario).anoPessoal;
    EXPECT_EQ(antes2027, dia(29, 2, 31, 12, 2026, kAniversario).anoPessoal);
    EXPECT_EQ(depois2027, dia(29, 2, 1, 3, 2027, kJaneiro).anoPessoal);
    EXPECT_NE(antes2027, depois2027);
    // Leap year: on the day itself.
    EXPECT_EQ(NumerosDoDia::aniversario(29, 2, 2028), QDate(2028, 2, 29));
    EXPECT_NE(dia(29, 2, 28, 2, 2028, kAniversario).anoPessoal,
              dia(29, 2, 29, 2, 2028, kAniversario).anoPessoal);
    EXPECT_EQ(dia(29, 2, 29, 2, 2028, kAniversario).anoPessoal,
              dia(29, 2, 29, 2, 2028, kJaneiro).anoPessoal);
    // A birth day that is on no calendar keeps the 1 January rule instead of failing.
    EXPECT_EQ(dia(31, 2, 1, 6, 2027, kAniversario), dia(31, 2, 1, 6, 2027, kJaneiro));
}

TEST(CalendarioMes, SemanasComecamNoDomingo) {
    struct Caso {
        int ano, mes, dias, linhas;
    };
    for (const Caso& c : {Caso{2026, 2, 28, 4}, // starts on a Sunday: four full rows
                          Caso{2026, 8, 31, 6}, // starts on a Saturday: six rows
                          Caso{2027, 3, 31, 5}, // starts on a Monday
                          Caso{2028, 2, 29, 5}, // leap February
                          Caso{2027, 4, 30, 5}}) {
        const auto cal = CalendarioMes::calcula(c.ano, c.mes, 29, 11, RegrasCalculo::pitagorica());
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(c.mes).arg(c.ano).toStdString());
        ASSERT_EQ(cal.semanas.size(), c.linhas);
        EXPECT_EQ(cal.dias.size(), c.dias);
        // Every day once, in order, each in the column of its weekday.
        int esperado = 1;
        for (const auto& semana : cal.semanas) {
            for (int coluna = 0; coluna < 7; ++coluna) {
                if (semana[coluna] == 0) {
                    continue;
                }
                EXPECT_EQ(semana[coluna], esperado);
                EXPECT_EQ(QDate(c.ano, c.mes, esperado).dayOfWeek() % 7, coluna);
                ++esperado;
            }
        }
        EXPECT_EQ(esperado, c.dias + 1);
    }
}

// Every day of a year in the calendars has the numbers an analysis of that day shows.
TEST(CalendarioMes, AnoInteiroIgualAosNumerosDeUmDia) {
    for (const auto regra : {kJaneiro, kAniversario}) {
        for (const char* nascimento : {"29/11/1978", "29/02/2000", "01/01/1990"}) {
            const QString data = QString::fromLatin1(nascimento);
            for (int mes = 1; mes <= 12; ++mes) {
                const auto cal =
                    CalendarioMes::calcula(2027, mes, data.left(2).toInt(), data.mid(3, 2).toInt(),
                                           RegrasCalculo::pitagorica(regra));
                for (int d = 1; d <= cal.dias.size(); ++d) {
                    const auto n = CalculaNumeros(QStringLiteral("ANA"), data, QDate(2027, mes, d),
                                                  RegrasCalculo::pitagorica(regra));
                    const NumerosDoDia& c = cal.dias[d - 1];
                    ASSERT_EQ(std::tie(c.anoUniversal, c.mesUniversal, c.diaUniversal, c.anoPessoal,
                                       c.mesPessoal, c.diaPessoal),
                              std::tie(n.anoUniversal, n.mesUniversal, n.diaUniversal, n.anoPessoal,
                                       n.mesPessoal, n.diaPessoal))
                        << nascimento << " " << d << "/" << mes;
                }
            }
        }
    }
}

TEST(LinhaVida, PeriodosEIdades) {
    const auto n = CalculaNumeros(QStringLiteral("ANA"), QStringLiteral("29/11/1978"),
                                  QDate(2026, 12, 6), RegrasCalculo::pitagorica());
    const LinhaVida l = LinhaVida::calcula(n, QDate(2026, 12, 6));
    // Changes in 2004 (age 26) and 2040 (age 62); pinnacles at 34, 43 and 52.
    ASSERT_EQ(l.ciclos.size(), 3);
    EXPECT_EQ(l.ciclos[1], (LinhaVida::Periodo{2, 26, 62, 2004}));
    EXPECT_EQ(l.ciclos[2].idadeInicio, 62);
    EXPECT_EQ(l.idadeFinal, 80); // 62 + 10, up to the next multiple of 10
    EXPECT_EQ(l.ciclos[2].idadeFim, 80);
    ASSERT_EQ(l.realizacoes.size(), 4);
    EXPECT_EQ(l.realizacoes[1], (LinhaVida::Periodo{9, 34, 43, 2012}));
    EXPECT_EQ(l.realizacoes[3].idadeInicio, 52);
    // As their headings say: the minor ones split the life at the third pinnacle (43), the
    // main and the additional one last the whole life.
    ASSERT_EQ(l.desafios.size(), 4);
    EXPECT_EQ(l.desafios[0], (LinhaVida::Periodo{0, 0, 43, 1978}));
    EXPECT_EQ(l.desafios[1].idadeInicio, 43);
    EXPECT_EQ(l.desafios[1].idadeFim, 80);
    EXPECT_EQ(l.desafios[2], (LinhaVida::Periodo{5, 0, 80, 1978}));
    EXPECT_EQ(l.desafios[3].idadeFim, 80);
    const QStringList texto = PrevisoesAno::linhasLinhaVida(l);
    EXPECT_TRUE(texto.contains(QStringLiteral("Desafio Maior (número 5): a vida inteira.")));
    EXPECT_TRUE(texto.contains(
        QStringLiteral("Ciclo da Colheita (número 7): a partir dos 62 anos, com início em 2040.")));
    EXPECT_EQ(l.idadeReferencia, 48);
    EXPECT_EQ(LinhaVida::calcula(n, QDate(2026, 11, 28)).idadeReferencia, 47);
    EXPECT_EQ(LinhaVida::calcula(n, QDate(1970, 1, 1)).idadeReferencia, -1);
    // A reference far ahead stretches the line past it.
    EXPECT_EQ(LinhaVida::calcula(n, QDate(2075, 1, 1)).idadeFinal, 100);
}

class PrevisoesAnoTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* r : {"INTANOUN", "INTMESUN", "INTANOPS", "INTMESPS"}) {
            teste::gravaNomeados(arquivos, QString::fromLatin1(r), 9);
        }
    }
    PrevisoesAno compoe(InicioAnoPessoal regra) {
        return PrevisoesAno::compoe(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"),
                                    2026, RegrasCalculo::pitagorica(regra), QDate(2026, 12, 6),
                                    arquivos);
    }
    QTemporaryDir dir;
    ArquivoInterpretacao arquivos{dir.path()};
};

TEST_F(PrevisoesAnoTest, AnoMesesETabelaDeDias) {
    const PrevisoesAno p = compoe(kJaneiro);
    EXPECT_EQ(p.anoUniversal.titulo, QStringLiteral("Ano Universal de 2026: Número 1"));
    EXPECT_EQ(p.anoUniversal.texto, QStringLiteral("INTANOUN 1"));
    ASSERT_EQ(p.anosPessoais.size(), 1);
    EXPECT_EQ(p.anosPessoais[0].texto, QStringLiteral("INTANOPS 5"));
    ASSERT_EQ(p.meses.size(), 12);
    const auto& marco = p.meses[2];
    EXPECT_EQ(marco.titulo, QStringLiteral("Março de 2026"));
    // March: UM = R(3 + 1) = 4, PM = R(3 + 5) = 8.
    EXPECT_EQ(marco.mesUniversal.texto, QStringLiteral("INTMESUN 4"));
    ASSERT_EQ(marco.mesesPessoais.size(), 1);
    EXPECT_EQ(marco.mesesPessoais[0].titulo, QStringLiteral("Mês Pessoal: Número 8"));
    // PD = R(R(d) + 8): day 1 gives 9, and days 1, 10, 19, 28 share it.
    EXPECT_EQ(marco.tabelaDias.size(), 9);
    EXPECT_TRUE(marco.tabelaDias.contains(QStringLiteral("Dia pessoal 9: 1, 10, 19 e 28")));
    EXPECT_TRUE(p.notaRegra.contains(QStringLiteral("1º de janeiro")));
}

// The rule and the key of the personal days are said once; a month number met again points
// to its first month instead of printing the same text; the line of life marks the age
// reached in the year of the forecast, whatever the day it is made on.
TEST_F(PrevisoesAnoTest, CadaNotaUmaVezEMesesRepetidosApontamOPrimeiro) {
    for (const InicioAnoPessoal regra : {kJaneiro, kAniversario}) {
        const PrevisoesAno p = compoe(regra);
        const QString texto = p.texto();
        EXPECT_EQ(texto.count(p.notaRegra), 1);
        EXPECT_EQ(p.chaveDias.size(), 9);
        EXPECT_EQ(texto.count(QStringLiteral("Dia pessoal 4: organizar")), 1);
        EXPECT_EQ(p.linhaVida.idadeReferencia, 48);
        EXPECT_TRUE(texto.contains(QStringLiteral("Idade alcançada em 2026: 48 anos.")));
        QSet<QString> lidos;
        for (const PrevisoesAno::Mes& m : p.meses) {
            QList<PrevisoesAno::Numero> numeros = m.mesesPessoais;
            numeros.prepend(m.mesUniversal);
            for (const PrevisoesAno::Numero& n : numeros) {
                EXPECT_FALSE(lidos.contains(n.texto)) << m.titulo.toStdString();
                lidos.insert(n.texto);
            }
        }
    }
    // The shipped universal months all close on one reminder: it is printed once.
    const PrevisoesAno real =
        PrevisoesAno::compoe(QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"), 2026,
                             RegrasCalculo::pitagorica(), {},
                             ArquivoInterpretacao(QStringLiteral(VIDALUME_DADOS_TESTE)));
    EXPECT_EQ(real.texto().count(QStringLiteral("Esse é o pano de fundo do mês para todos")), 1);
    // 1 January: October brings back January's numbers, both of them.
    const PrevisoesAno p = compoe(kJaneiro);
    EXPECT_EQ(p.meses[9].mesUniversal.numero, p.meses[0].mesUniversal.numero);
    EXPECT_TRUE(p.meses[9].mesUniversal.texto.startsWith(
        QStringLiteral("O Mês Universal %1 volta, como em janeiro:")
            .arg(p.meses[0].mesUniversal.numero)));
    EXPECT_TRUE(p.meses[9].mesesPessoais[0].texto.startsWith(
        QStringLiteral("O Mês Pessoal %1 volta, como em janeiro:")
            .arg(p.meses[0].mesesPessoais[0].numero)));
    // A child reaching 8 reads the child variants of the personal year and months, and the
    // forecast opens with the paragraph to the family.
    teste::gravaNomeados(arquivos, QStringLiteral("INFANTIL"), 37);
    const PrevisoesAno crianca =
        PrevisoesAno::compoe(QStringLiteral("ANA"), QStringLiteral("29/11/2018"), 2026,
                             RegrasCalculo::pitagorica(), QDate(2026, 12, 6), arquivos);
    EXPECT_TRUE(crianca.abertura.endsWith(QStringLiteral("INFANTIL 1")));
    EXPECT_TRUE(crianca.anosPessoais[0].texto.startsWith(QStringLiteral("INFANTIL 1")));
    EXPECT_TRUE(crianca.meses[0].mesesPessoais[0].texto.startsWith(QStringLiteral("INFANTIL 2")));
    EXPECT_FALSE(compoe(kJaneiro).abertura.contains(QStringLiteral("INFANTIL")));
    // Someone reaching 80 in the year reads the personal year's own variant, the usual months.
    teste::gravaNomeados(arquivos, QStringLiteral("LONGEVOS"), 9);
    const PrevisoesAno longevo =
        PrevisoesAno::compoe(QStringLiteral("ANA"), QStringLiteral("29/11/1946"), 2026,
                             RegrasCalculo::pitagorica(), QDate(2026, 12, 6), arquivos);
    EXPECT_TRUE(longevo.anosPessoais[0].texto.startsWith(QStringLiteral("LONGEVOS ")));
    EXPECT_FALSE(longevo.meses[0].mesesPessoais[0].texto.startsWith(QStringLiteral("LONGEVOS")));
    EXPECT_FALSE(compoe(kJaneiro).anosPessoais[0].texto.startsWith(QStringLiteral("LONGEVOS")));
    // On the birthday, December's personal month 8 comes back in the new personal year 5.
    const PrevisoesAno q = compoe(kAniversario);
    EXPECT_TRUE(q.meses[11].mesesPessoais[0].texto.contains(
        QStringLiteral("dentro do Ano Pessoal 5, e não do 4")));
}

TEST_F(PrevisoesAnoTest, NoAniversarioDoisAnosPessoaisEONovembroPartido) {
    const PrevisoesAno p = compoe(kAniversario);
    ASSERT_EQ(p.anosPessoais.size(), 2);
    EXPECT_EQ(p.anosPessoais[0].titulo, QStringLiteral("Ano Pessoal até 28/11: Número 4"));
    EXPECT_EQ(p.anosPessoais[1].titulo, QStringLiteral("Ano Pessoal a partir de 29/11: Número 5"));
    const auto& novembro = p.meses[10];
    ASSERT_EQ(novembro.mesesPessoais.size(), 2);
    EXPECT_EQ(novembro.mesesPessoais[0].titulo,
              QStringLiteral("Mês Pessoal até o dia 28: Número 6"));
    EXPECT_EQ(novembro.mesesPessoais[1].titulo,
              QStringLiteral("Mês Pessoal a partir do dia 29: Número 7"));
    EXPECT_EQ(p.meses[11].mesesPessoais.size(), 1);
    // The rule is named in the text, where the personal numbers are.
    EXPECT_TRUE(p.texto().contains(QStringLiteral("O ano pessoal começa no aniversário.")));
    EXPECT_TRUE(p.texto().contains(QStringLiteral("Dia pessoal")));
    // The closing paragraph of every report ends it.
    EXPECT_TRUE(p.texto().endsWith(AvisoFinal::kTextoOriginal + QStringLiteral("\r\n")));
}
