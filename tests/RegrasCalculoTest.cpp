// The rules of each school: normalisation, letter values, vowels, reduction, personal year.
#include "engine/RegrasCalculo.h"

#include <gtest/gtest.h>

using namespace vidalume;

namespace {

const RegrasCalculo kPitagorica = RegrasCalculo::pitagorica();

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

TEST(RegrasPitagoricas, ReduzSemNumerosMestres) {
    const std::pair<long long, int> casos[] = {{0, 0},  {9, 9},     {11, 2},
                                               {22, 4}, {-1978, 7}, {999999999999LL, 9}};
    for (auto [n, esperado] : casos) {
        EXPECT_EQ(kPitagorica.reduz(n), esperado) << n;
    }
    // Every step of the reduction is kept, 10 included: the debts are read among them.
    EXPECT_EQ(kPitagorica.passosReducao(139), (QList<long long>{139, 13, 4}));
    EXPECT_EQ(kPitagorica.passosReducao(199), (QList<long long>{199, 19, 10, 1}));
    EXPECT_EQ(kPitagorica.passosReducao(7), QList<long long>{7});
}

TEST(RegrasPitagoricas, TabelaDasLetras) {
    // The table by hand, not by formula: A J S 1 ... I R 9.
    const QString tabela = QStringLiteral("AJS BKT CLU DMV ENW FOX GPY HQZ IR");
    int valor = 1;
    for (QChar c : tabela) {
        if (c == u' ') {
            ++valor;
            continue;
        }
        EXPECT_EQ(kPitagorica.valorLetra(c), valor) << char(c.unicode());
        EXPECT_NE(kPitagorica.valorVogal(c) == 0, kPitagorica.valorConsoante(c) == 0);
    }
    EXPECT_EQ(std::tuple(kPitagorica.valorVogal(u'Y'), kPitagorica.valorConsoante(u'W')),
              std::tuple(7, 5));
    // A digit counts for the whole name only; other characters count nowhere.
    EXPECT_EQ(std::tuple(kPitagorica.valorLetra(u'7'), kPitagorica.valorVogal(u'7'),
                         kPitagorica.valorConsoante(u'7'), kPitagorica.ehLetra(u'7')),
              std::tuple(7, 0, 0, false));
    for (QChar c : QStringLiteral(" -'.?")) {
        EXPECT_EQ(kPitagorica.valorLetra(c), 0) << int(c.unicode());
    }
}

TEST(RegrasPitagoricas, TodaLetraComSinalValeASuaLetraBase) {
    const std::pair<const char*, const char*> casos[] = {
        {"maria josé da conceição", "MARIA JOSE DA CONCEICAO"},
        {"àâãéêíîïóôõúûüç", "AAAEEIIIOOOUUUC"},
        {"èìòùëöäñåý ÿ-2 ?", "EIOUEOANAY Y-2 ?"},
        {"Jürgen Begoña Øyvind Æsa straße", "JURGEN BEGONA OYVIND AESA STRASSE"},
        {"µ", "µ"}};
    for (auto [nome, esperado] : casos) {
        EXPECT_EQ(kPitagorica.normalizaNome(u8(nome)), u8(esperado)) << nome;
    }
    // Begoña is worth what Begona is: the Ñ never counts 0.
    EXPECT_EQ(kPitagorica.somaNome(kPitagorica.normalizaNome(u8("BEGOÑA"))),
              kPitagorica.somaNome(QStringLiteral("BEGONA")));
    EXPECT_EQ(RegrasCalculo::maiusculas(u8("joão ñandú")), u8("JOÃO ÑANDÚ"));
}

TEST(RegrasPitagoricas, SomasDoNome) {
    // 47 reduced once at the end, not per word.
    EXPECT_EQ(kPitagorica.somaNome(QStringLiteral("MARIA DA SILVA")), 2);
    EXPECT_EQ(kPitagorica.somaNome(QStringLiteral("ANA 2")), 9);
    EXPECT_EQ(kPitagorica.somaVogais(QStringLiteral("XYZ")), 7);
    // A name of thousands of letters does not overflow.
    EXPECT_EQ(kPitagorica.somaNome(QString(100000, u'I')), 9);
}

TEST(RegrasCalculo, AnoPessoalEOpcoes) {
    // 29/11 in 2026: 2 + 2 + 1 = 5.
    EXPECT_EQ(RegrasCalculo::anoPessoal(29, 11, 2026), 5);
    const RegrasCalculo r = RegrasCalculo::pitagorica(InicioAnoPessoal::Aniversario, 7);
    EXPECT_EQ(r.limiteTendencias(), 4);
    EXPECT_FALSE(r.ehTendencia(3));
    EXPECT_TRUE(RegrasCalculo::pitagorica(InicioAnoPessoal::Janeiro, 3).ehTendencia(3));
}
