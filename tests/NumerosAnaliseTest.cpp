// Every number of an analysis, and the sign index.
#include "NumerosAnalise.h"
#include "Signo.h"

#include <gtest/gtest.h>

using namespace vidalume;

namespace {
const QDate kHoje(2026, 12, 6);
}

TEST(NumerosAnalise, DataDoExemploCompleto) {
    const auto n = CalculaNumeros(QStringLiteral("MARIA DA SILVA"), "29/11/1978", kHoje);
    EXPECT_EQ(n.D, 2);
    EXPECT_EQ(n.M, 2);
    EXPECT_EQ(n.A, 7);
    EXPECT_EQ(n.caminhoDaVida, 2);
    EXPECT_EQ(n.desafioDiaNascimento, 7);
    EXPECT_EQ(n.presenteDiaNascimento, 2);
    EXPECT_EQ(n.realizacoes, (std::array<int, 4>{4, 9, 4, 9}));
    EXPECT_EQ(n.idadesRealizacoes, (std::array<int, 3>{34, 43, 52}));
    EXPECT_EQ(n.desafioMenor1, 0);
    EXPECT_EQ(n.desafioMenor2, 5);
    EXPECT_EQ(n.desafioMaior, 5);
    EXPECT_EQ(n.desafioMenorAdicional, 5);
    EXPECT_EQ(n.anoInicioCicloProdutivo, 2004);
    EXPECT_EQ(n.anoInicioCicloColheita, 2040);
    EXPECT_EQ(n.saudeRegistro, 3);
    EXPECT_EQ(n.saudeNumero, 3);
    EXPECT_EQ(n.signo, 5);
    EXPECT_EQ(n.expressao, 2);
    EXPECT_EQ(n.numeroDaRealidade, 4);
}

TEST(NumerosAnalise, AnosDeMudancaDosCiclosTemAnoPessoalUm) {
    for (int ano : {1930, 1955, 1978, 1999, 2000, 2024}) {
        for (int mes = 1; mes <= 12; ++mes) {
            for (int dia = 1; dia <= 28; dia += 3) {
                const QString data = QStringLiteral("%1/%2/%3")
                                         .arg(dia, 2, 10, QLatin1Char('0'))
                                         .arg(mes, 2, 10, QLatin1Char('0'))
                                         .arg(ano);
                const auto n = CalculaNumeros(QStringLiteral("ANA"), data, kHoje);
                for (auto [mudanca, offset] : {std::pair{n.anoInicioCicloProdutivo, 27},
                                               std::pair{n.anoInicioCicloColheita, 57}}) {
                    EXPECT_EQ(n.anoPessoalDe(mudanca), 1) << data.toStdString();
                    EXPECT_GE(mudanca, ano + offset - 3) << data.toStdString();
                    EXPECT_LE(mudanca, ano + offset + 5) << data.toStdString();
                }
            }
        }
    }
    const auto n = CalculaNumeros(QStringLiteral("ANA"), "31/12/1999", kHoje);
    EXPECT_EQ(n.anoInicioCicloProdutivo, 2028);
    EXPECT_EQ(n.anoInicioCicloColheita, 2055);
}

TEST(NumerosAnalise, DesafioEPresenteDoDiaUsamOsDoisAlgarismosDoDia) {
    const std::tuple<const char*, int> casos[] = {{"05/03/1990", 5}, {"10/03/1990", 1},
                                                  {"11/03/1990", 0}, {"22/03/1990", 0},
                                                  {"29/03/1990", 7}, {"09/03/1990", 9}};
    for (auto [data, desafio] : casos) {
        const auto n = CalculaNumeros(QStringLiteral("ANA"), data, kHoje);
        EXPECT_EQ(n.desafioDiaNascimento, desafio) << data;
        EXPECT_EQ(n.presenteDiaNascimento, 9 - desafio) << data;
    }
}

TEST(NumerosAnalise, IndicacaoDeSaude) {
    // 13/01/1978: digits 3 and 7 tie at three occurrences; the higher digit wins.
    auto n = CalculaNumeros(QStringLiteral("ANA"), "13/01/1978", kHoje);
    EXPECT_EQ(n.saudeRegistro, 8);
    EXPECT_EQ(n.saudeNumero, 8);
    // 09/03/1930: the digit 9 wins: record 10, shown as 1.
    n = CalculaNumeros(QStringLiteral("ANA"), "09/03/1930", kHoje);
    EXPECT_EQ(n.saudeRegistro, 10);
    EXPECT_EQ(n.saudeNumero, 1);
    // 22/04/1930: the digit 0 occurs most: record 1.
    n = CalculaNumeros(QStringLiteral("ANA"), "22/04/1930", kHoje);
    EXPECT_EQ(n.saudeRegistro, 1);
    EXPECT_EQ(n.saudeNumero, 1);
}

TEST(NumerosAnalise, NumerosDoDiaDeHoje) {
    // 06/12/2026: UY = R(2026) = 1; UM = R(R(12) + 1) = 4; UD = R(6 + 4) = 1.
    // Born 29/11 (M + D = 4): PY = R(4 + 1) = 5; PM = R(3 + 5) = 8; PD = R(6 + 8) = 5.
    const auto n = CalculaNumeros(QStringLiteral("ANA"), "29/11/1978", kHoje);
    EXPECT_EQ(std::tie(n.anoUniversal, n.mesUniversal, n.diaUniversal), std::tuple(1, 4, 1));
    EXPECT_EQ(std::tie(n.anoPessoal, n.mesPessoal, n.diaPessoal), std::tuple(5, 8, 5));
    const auto outroDia = CalculaNumeros(QStringLiteral("ANA"), "29/11/1978", QDate(2026, 12, 7));
    EXPECT_EQ(outroDia.diaUniversal, 2);
    EXPECT_EQ(outroDia.caminhoDaVida, n.caminhoDaVida);
}

TEST(NumerosAnalise, NumerosDoNome) {
    auto n = CalculaNumeros(QStringLiteral("MARIA D'AVILA-2"), "29/11/1978", kHoje);
    EXPECT_EQ(n.primeiraVogal, u'A');
    EXPECT_EQ(n.primeiraVogalCodigo, 1);
    // 14 characters that are not spaces: hyphen, apostrophe and digit count too.
    EXPECT_EQ(n.caracteristicaDoNome, 5);

    n = CalculaNumeros(QStringLiteral("LYNN GWYNN"), "29/11/1978", kHoje);
    EXPECT_EQ(n.primeiraVogal, u'Y');
    EXPECT_EQ(n.primeiraVogalCodigo, 6);
    EXPECT_EQ(n.impulsoDaAlma, 5); // Y + Y = 14

    n = CalculaNumeros(QStringLiteral("BRR KST"), "29/11/1978", kHoje);
    EXPECT_TRUE(n.primeiraVogal.isNull());
    EXPECT_EQ(n.primeiraVogalCodigo, 0);
    EXPECT_EQ(n.impulsoDaAlma, 0);

    n = CalculaNumeros(QStringLiteral("---- --"), "29/11/1978", kHoje);
    EXPECT_EQ(n.expressao, 0);
    EXPECT_EQ(n.numeroDaRealidade, n.caminhoDaVida);
}

TEST(Signo, FaixasDoAno) {
    const std::tuple<int, int, int> casos[] = {
        {22, 12, 12}, {31, 12, 12}, {1, 1, 12},  {20, 1, 12}, {21, 1, 11}, {19, 2, 11},
        {20, 2, 10},  {20, 3, 10},  {21, 3, 9},  {21, 12, 5}, {22, 11, 5}, {21, 11, 1},
        {23, 10, 1},  {22, 10, 2},  {23, 9, 2},  {22, 9, 3},  {23, 8, 3},  {22, 8, 4},
        {22, 7, 4},   {21, 7, 6},   {21, 6, 6},  {20, 6, 7},  {21, 5, 7},  {20, 5, 8},
        {21, 4, 8},   {20, 4, 9},   {29, 2, 10}, {28, 2, 10}};
    for (auto [dia, mes, signo] : casos) {
        EXPECT_EQ(SignoDoNascimento(dia, mes), signo) << dia << "/" << mes;
    }
    EXPECT_EQ(SignoDoNascimento(30, 2), 0);
    EXPECT_EQ(SignoDoNascimento(1, 13), 0);
    EXPECT_EQ(SignoDoNascimento(0, 5), 0);
}
