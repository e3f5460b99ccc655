// Every number of an analysis, and the sign index.
#include "engine/NumerosAnalise.h"
#include "engine/Signo.h"

#include <QDate>
#include <QSet>

#include <gtest/gtest.h>

using namespace vidalume;

namespace {
const QDate kHoje(2026, 12, 6);

NumerosAnalise numeros(const char* data, const QString& nome = QStringLiteral("ANA")) {
    return CalculaNumeros(nome, QString::fromLatin1(data), kHoje, RegrasCalculo::pitagorica());
}
} // namespace

// What the composed analysis of this example does not show on its own.
TEST(NumerosAnalise, DataDoExemploCompleto) {
    const auto n = numeros("29/11/1978", QStringLiteral("MARIA DA SILVA"));
    EXPECT_EQ(std::tie(n.D, n.M, n.A, n.caminhoDaVida), std::tuple(2, 2, 7, 2));
    EXPECT_EQ(std::tie(n.desafioMenor1, n.desafioMenor2, n.desafioMaior, n.desafioMenorAdicional),
              std::tuple(0, 5, 5, 5));
    EXPECT_EQ(std::tie(n.anoInicioCicloProdutivo, n.saudeRegistro, n.signo),
              std::tuple(2004, 3, 5));
}

TEST(NumerosAnalise, AnosDeMudancaDosCiclosTemAnoPessoalUm) {
    for (int ano : {1930, 1978, 1999, 2000, 2024}) {
        for (int mes = 1; mes <= 12; ++mes) {
            for (int dia = 1; dia <= 28; dia += 3) {
                const QString data = QDate(ano, mes, dia).toString(QStringLiteral("dd/MM/yyyy"));
                const auto n =
                    CalculaNumeros(QStringLiteral("ANA"), data, kHoje, RegrasCalculo::pitagorica());
                for (auto [mudanca, offset] : {std::pair{n.anoInicioCicloProdutivo, 27},
                                               std::pair{n.anoInicioCicloColheita, 57}}) {
                    EXPECT_EQ(n.anoPessoalDe(mudanca), 1) << data.toStdString();
                    EXPECT_GE(mudanca, ano + offset - 3) << data.toStdString();
                    EXPECT_LE(mudanca, ano + offset + 5) << data.toStdString();
                }
            }
        }
    }
    const auto n = numeros("31/12/1999");
    EXPECT_EQ(std::tie(n.anoInicioCicloProdutivo, n.anoInicioCicloColheita),
              std::tuple(2028, 2055));
}

// The birth-day challenge and gift use both digits of the day; the health record is the most
// frequent digit of the date plus one (the higher digit on a tie), shown reduced.
TEST(NumerosAnalise, DesafioPresenteESaudeDoDia) {
    const std::tuple<const char*, int> desafios[] = {
        {"22/03/1990", 0}, {"29/03/1990", 7}, {"09/03/1990", 9}};
    for (auto [data, desafio] : desafios) {
        const auto n = numeros(data);
        EXPECT_EQ(n.desafioDiaNascimento, desafio) << data;
        EXPECT_EQ(n.presenteDiaNascimento, 9 - desafio) << data;
    }
    const std::tuple<const char*, int, int> saude[] = {
        {"13/01/1978", 8, 8}, {"09/03/1930", 10, 1}, {"22/04/1930", 1, 1}};
    for (auto [data, registro, numero] : saude) {
        const auto n = numeros(data);
        EXPECT_EQ(std::tie(n.saudeRegistro, n.saudeNumero), std::tuple(registro, numero)) << data;
    }
}

TEST(NumerosAnalise, NumerosDoNome) {
    // 14 characters that are not spaces: hyphen, apostrophe and digit count too.
    auto n = numeros("29/11/1978", QStringLiteral("MARIA D'AVILA-2"));
    EXPECT_EQ(std::tie(n.primeiraVogal, n.primeiraVogalCodigo, n.caracteristicaDoNome),
              std::tuple(QChar(u'A'), 1, 5));
    n = numeros("29/11/1978", QStringLiteral("LYNN GWYNN")); // Y + Y = 14
    EXPECT_EQ(std::tie(n.primeiraVogal, n.primeiraVogalCodigo, n.impulsoDaAlma),
              std::tuple(QChar(u'Y'), 6, 5));
}

// Every day of a leap year has exactly one sign, and the signs follow one another in twelve
// runs of consecutive days around the year.
TEST(Signo, CadaDiaDeUmAnoBissextoTemUmSignoEmDozeFaixas) {
    int faixas = 0;
    int anterior = SignoDoNascimento(31, 12);
    QSet<int> vistos;
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const int signo = SignoDoNascimento(d.day(), d.month());
        ASSERT_GE(signo, 1) << d.toString(Qt::ISODate).toStdString();
        ASSERT_LE(signo, 12) << d.toString(Qt::ISODate).toStdString();
        faixas += signo != anterior;
        anterior = signo;
        vistos.insert(signo);
    }
    EXPECT_EQ(faixas, 12);
    EXPECT_EQ(vistos.size(), 12);
}

TEST(Signo, FaixasDoAno) {
    // Both ends of the sign across the turn of the year, 29 February and impossible dates.
    const std::tuple<int, int, int> casos[] = {{22, 12, 12}, {20, 1, 12}, {21, 1, 11}, {21, 12, 5},
                                               {29, 2, 10},  {30, 2, 0},  {1, 13, 0}};
    for (auto [dia, mes, signo] : casos) {
        EXPECT_EQ(SignoDoNascimento(dia, mes), signo) << dia << "/" << mes;
    }
}
