// Letter tables and digit reduction.
#include "engine/Reducao.h"

#include <gtest/gtest.h>

using namespace vidalume;

TEST(Reducao, ReduzNumeroSemNumerosMestres) {
    const std::pair<long long, int> casos[] = {{0, 0},  {9, 9},     {11, 2},
                                               {22, 4}, {-1978, 7}, {999999999999LL, 9}};
    for (auto [n, esperado] : casos) {
        EXPECT_EQ(ReduzNumero(n), esperado) << n;
    }
}

TEST(Reducao, TabelasDasLetras) {
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QChar letra(c);
        const int v = ValorVogal(letra), k = ValorConsoante(letra);
        EXPECT_TRUE((v == 0) != (k == 0)) << char(c) << " é vogal ou consoante, nunca ambos";
        EXPECT_EQ(v + k, ValorLetra(letra)) << char(c);
        EXPECT_EQ(ValorLetra(QChar(c + 32)), ValorLetra(letra)) << "minúscula " << char(c);
    }
    EXPECT_EQ(std::tuple(ValorVogal(u'Y'), ValorConsoante(u'W')), std::tuple(7, 5));
    // A digit counts for the whole name only; other characters count nowhere.
    EXPECT_EQ(std::tuple(ValorLetra(u'7'), ValorVogal(u'7'), ValorConsoante(u'7')),
              std::tuple(7, 0, 0));
    for (QChar c : QStringLiteral(" -'.ÑÈÖ?ıſ")) {
        EXPECT_EQ(ValorLetra(c) + ValorVogal(c) + ValorConsoante(c), 0) << int(c.unicode());
    }
}

TEST(Reducao, SomasDoNome) {
    // 47 reduced once at the end, not per word.
    EXPECT_EQ(SomaNome(QStringLiteral("MARIA DA SILVA")), 2);
    EXPECT_EQ(SomaNome(QStringLiteral("ANA 2")), 9);
    // A name of thousands of letters does not overflow.
    EXPECT_EQ(SomaNome(QString(100000, u'I')), ReduzNumero(900000));
}
