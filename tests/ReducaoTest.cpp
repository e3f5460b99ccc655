// Letter tables and digit reduction.
#include "Reducao.h"

#include <gtest/gtest.h>

using namespace vidalume;

TEST(Reducao, ReduzNumeroSemNumerosMestres) {
    const std::pair<long long, int> casos[] = {
        {0, 0},  {9, 9},     {10, 1},    {11, 2},
        {19, 1}, {22, 4},    {29, 2},    {33, 6},
        {38, 2}, {99, 9},    {1978, 7},  {2000, 2},
        {-5, 5}, {-1978, 7}, {32767, 7}, {999999999999LL, 9}};
    for (auto [n, esperado] : casos) {
        EXPECT_EQ(ReduzNumero(n), esperado) << n;
    }
}

TEST(Reducao, TabelasConcordamEntreSi) {
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QChar letra(c);
        const int v = ValorVogal(letra), k = ValorConsoante(letra);
        EXPECT_TRUE((v == 0) != (k == 0)) << char(c) << " é vogal ou consoante, nunca ambos";
        EXPECT_EQ(v + k, ValorLetra(letra)) << char(c);
        EXPECT_EQ(ValorLetra(QChar(c + 32)), ValorLetra(letra)) << "minúscula " << char(c);
    }
    EXPECT_EQ(ValorVogal(u'Y'), 7);
    EXPECT_EQ(ValorConsoante(u'Y'), 0);
    EXPECT_EQ(ValorConsoante(u'W'), 5);
    EXPECT_EQ(ValorVogal(u'W'), 0);
}

TEST(Reducao, CaracteresQueNaoSaoLetras) {
    EXPECT_EQ(ValorLetra(u'7'), 7);
    EXPECT_EQ(ValorVogal(u'7'), 0);
    EXPECT_EQ(ValorConsoante(u'7'), 0);
    for (QChar c : QStringLiteral(" -'.ÑÈÖ?ıſ")) {
        EXPECT_EQ(ValorLetra(c), 0) << int(c.unicode());
        EXPECT_EQ(ValorVogal(c), 0) << int(c.unicode());
        EXPECT_EQ(ValorConsoante(c), 0) << int(c.unicode());
    }
}

TEST(Reducao, SomasDoNome) {
    EXPECT_EQ(SomaNome(QStringLiteral("ANA")), 7);
    EXPECT_EQ(SomaVogais(QStringLiteral("ANA")), 2);
    EXPECT_EQ(SomaConsoantes(QStringLiteral("ANA")), 5);
    // 47 reduced once at the end, not per word.
    EXPECT_EQ(SomaNome(QStringLiteral("MARIA DA SILVA")), 2);
    EXPECT_EQ(SomaNome(QStringLiteral("-----")), 0);
    EXPECT_EQ(SomaVogais(QStringLiteral("BRR KST")), 0);
    EXPECT_EQ(SomaConsoantes(QStringLiteral("AEIOU Y")), 0);
    EXPECT_EQ(SomaNome(QStringLiteral("ANA 2")), 9);
    // A name of thousands of letters does not overflow.
    EXPECT_EQ(SomaNome(QString(100000, u'I')), ReduzNumero(900000));
}
