// The text writer on the deterministic surface (size 10: characters 2 mm wide, lines 4 mm
// high; column 10 to 30 mm holds ten characters), and the fast writer against the
// character-by-character reference.
#include "EscreveTexto.h"
#include "EscreveTextoReferencia.h"
#include "SuperficieTeste.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace vidalume {
namespace {

// Every string drawn as "text@x,y", positions to the hundredth of a millimetre (or exact).
QString desenho(const SuperficieTeste& s, bool exato = false) {
    QStringList l;
    const char formato = exato ? 'g' : 'f';
    const int casas = exato ? 17 : 2;
    for (const auto& d : s.textos()) {
        l << QStringLiteral("%1@%2,%3")
                 .arg(d.texto)
                 .arg(d.x, 0, formato, casas)
                 .arg(d.y, 0, formato, casas);
    }
    return l.join(u'|');
}

class EscreveTextoTest : public ::testing::Test {
protected:
    EscreveTextoTest() { s.DefineTamanhoFonte(10); }
    bool escreve(const QString& texto, double y = 50, double limite = 272, double direita = 30) {
        resto = texto;
        return EscreveTexto::escreve(s, y, 10, direita, limite, resto);
    }
    SuperficieTeste s;
    QString resto;
};

TEST_F(EscreveTextoTest, ShortAndEmptyTextsTakeOneLeftAlignedLine) {
    EXPECT_TRUE(escreve(QStringLiteral("abc def")));
    EXPECT_EQ(desenho(s), QStringLiteral("abc def@10.00,50.00"));
    s.Limpa();
    EXPECT_TRUE(escreve(QString()));
    EXPECT_EQ(desenho(s), QStringLiteral("@10.00,50.00"));
    EXPECT_EQ(s.Y(), 50);
}

TEST_F(EscreveTextoTest, EveryLineButTheLastOfEachParagraphEndsAtTheRightEdge) {
    escreve(QStringLiteral("aaa bbb ccc ddd\r\neee fff ggg hhh iii\r\n\r\nj"));
    EXPECT_EQ(desenho(s), QStringLiteral("aaa @10.00,50.00|bbb@24.00,50.00|ccc ddd@10.00,54.00|"
                                         "eee @10.00,58.00|fff@24.00,58.00|"
                                         "ggg @10.00,62.00|hhh@24.00,62.00|iii@10.00,66.00|"
                                         "@10.00,70.00|j@10.00,74.00"));
    EXPECT_EQ(s.Y(), 74);
}

TEST_F(EscreveTextoTest, RepeatedSpacesAreGapsAndTheCutSpaceIsNotDrawn) {
    escreve(QStringLiteral("aa  bb cccc"));
    EXPECT_EQ(desenho(s), QStringLiteral("aa @10.00,50.00| @20.00,50.00|bb@26.00,50.00|"
                                         "cccc@10.00,54.00"));
}

TEST_F(EscreveTextoTest, LastCharacterOverflowingCutsAtTheLastSpaceAndJustifies) {
    EXPECT_TRUE(escreve(QStringLiteral("aa bb ccccc")));
    EXPECT_EQ(desenho(s), QStringLiteral("aa @10.00,50.00|bb@26.00,50.00|ccccc@10.00,54.00"));
}

TEST_F(EscreveTextoTest, FullPageHandsBackTheRestWithoutLeadingControls) {
    // Lines at 50, 54 and 58; the third is the last because 58 + 4 > 60.
    EXPECT_FALSE(escreve(QStringLiteral("aaa bbb ccc ddd eee fff\r\n\r\n\tggg hhh \r\n"), 50, 60));
    EXPECT_EQ(resto, QStringLiteral("ggg hhh \r\n"));
    EXPECT_EQ(s.textos().last().texto, QStringLiteral("eee fff"));
    EXPECT_EQ(s.Y(), 58);
}

TEST_F(EscreveTextoTest, PageFullAtTheEndOrBeforeOnlyLineBreaksCountsAsWritten) {
    EXPECT_TRUE(escreve(QStringLiteral("aaa bbb ccc ddd eee fff"), 50, 60));
    EXPECT_TRUE(escreve(QStringLiteral("aaa bbb ccc ddd eee fff\r\n\r\n\r\n"), 50, 60));
}

TEST_F(EscreveTextoTest, StartBelowTheLimitStillDrawsOneLine) {
    EXPECT_FALSE(escreve(QStringLiteral("aaa bbb ccc"), 280, 272));
    EXPECT_EQ(desenho(s), QStringLiteral("aaa @10.00,280.00|bbb@24.00,280.00"));
    EXPECT_EQ(resto, QStringLiteral("ccc"));
}

TEST_F(EscreveTextoTest, WordWiderThanTheColumnIsBrokenWhereItStopsFitting) {
    EXPECT_TRUE(escreve(QStringLiteral("aa abcdefghijklmnopqrstuvwxy zz")));
    EXPECT_EQ(desenho(s), QStringLiteral("aa@10.00,50.00|abcdefghij@10.00,54.00|"
                                         "klmnopqrst@10.00,58.00|uvwxy zz@10.00,62.00"));
    s.Limpa(); // a column narrower than one character still ends
    EXPECT_TRUE(escreve(QStringLiteral("ab cd"), 0, 1e9, 10));
    EXPECT_EQ(s.textos().size(), 5);
}

TEST(EscreveTextoMedicoesTest, MeasuresFarLessThanCharacterByCharacter) {
    QString a;
    for (int i = 0; a.size() < 5000; ++i) {
        a += QStringLiteral("palavra%1 ").arg(i % 97);
    }
    QString b = a;
    SuperficieTeste rapida, literal;
    EscreveTexto::escreve(rapida, 10, 12, 198, 1e9, a);
    EscreveTextoReferencia::escreve(literal, 10, 12, 198, 1e9, b);
    EXPECT_LT(rapida.medicoes() * 5, literal.medicoes());
}

// Proportional widths with kerning-like pairs: a string is wider than its beginning but not
// the sum of its characters.
class SuperficieProporcional : public SuperficieTeste {
public:
    double LarguraTexto(const QString& texto) const override {
        double w = 0;
        for (qsizetype i = 0; i < texto.size(); ++i) {
            const double c = 0.08 + (texto[i].unicode() * 37 % 13) / 50.0;
            const bool par = i > 0 && (texto[i - 1].unicode() + texto[i].unicode()) % 7 == 0;
            w += par ? 0.7 * c : c;
        }
        return w * TamanhoFonte();
    }
};

QString textoAleatorio(QRandomGenerator& r) {
    static const QStringList pedacos = {"a", "e", "ç",  "ão",   "W",  "i",  "m",  "1",
                                        " ", " ", "  ", "\r\n", "\r", "\n", "\t", "\r\n\r\n"};
    QString t;
    for (int i = r.bounded(120); i > 0; --i) {
        t += r.bounded(40) == 0 ? QString(r.bounded(5, 60), u'x') // a very long word
                                : pedacos[r.bounded(pedacos.size())];
    }
    return t;
}

template <class Superficie> void comparaComReferencia(quint32 semente) {
    QRandomGenerator r(semente);
    for (int caso = 0; caso < 3000; ++caso) {
        const QString texto = textoAleatorio(r);
        const double esquerda = r.bounded(20.0), direita = esquerda + r.bounded(120.0);
        const double y = r.bounded(300.0), limite = y - 20 + r.bounded(170.0);
        Superficie rapida, literal;
        rapida.DefineTamanhoFonte(r.bounded(6, 23));
        literal.DefineTamanhoFonte(rapida.TamanhoFonte());
        QString a = texto, b = texto;
        SCOPED_TRACE(QStringLiteral("caso %1: \"%2\"").arg(caso).arg(texto).toStdString());
        ASSERT_EQ(EscreveTexto::escreve(rapida, y, esquerda, direita, limite, a),
                  EscreveTextoReferencia::escreve(literal, y, esquerda, direita, limite, b));
        ASSERT_EQ(a, b);
        ASSERT_EQ(rapida.Y(), literal.Y());
        ASSERT_EQ(desenho(rapida, true), desenho(literal, true));
    }
}

TEST(EscreveTextoReferenciaTest, SameLinesAsTheReferenceWithFixedWidths) {
    comparaComReferencia<SuperficieTeste>(20240601);
}

TEST(EscreveTextoReferenciaTest, SameLinesAsTheReferenceWithProportionalWidths) {
    comparaComReferencia<SuperficieProporcional>(19781129);
}

} // namespace
} // namespace vidalume
