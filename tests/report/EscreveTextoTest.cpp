// The text writer on the deterministic surface (size 10: characters 2 mm wide, lines 4 mm
// high; column 10 to 30 mm holds ten characters), and the fast writer against the
// character-by-character reference.
#include "report/EscreveTexto.h"
#include "tests/report/EscreveTextoReferencia.h"
#include "tests/suporte/SuperficieTeste.h"

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

// A block written from y on the column 10 to 30 above `limite`: whether it was all written,
// what was drawn (null: not compared), the rest handed back when the page filled and where the
// last line stands.
TEST(EscreveTextoTest, LinesCutsAndPageEnds) {
    const std::tuple<const char*, double, double, bool, const char*, const char*, double> casos[] =
        {// Every line but the last of each paragraph ends at the right edge.
         {"aaa bbb ccc ddd\r\neee fff ggg hhh iii\r\n\r\nj", 50, 272, true,
          "aaa @10.00,50.00|bbb@24.00,50.00|ccc ddd@10.00,54.00|eee @10.00,58.00|fff@24.00,58.00|"
          "ggg @10.00,62.00|hhh@24.00,62.00|iii@10.00,66.00|@10.00,70.00|j@10.00,74.00",
          "", 74},
         // A full page hands back the rest without leading controls: lines at 50, 54 and 58, the
         // third the last because 58 + 4 > 60. Full at the very end, or before line breaks only,
         // counts as written.
         {"aaa bbb ccc ddd eee fff\r\n\r\n\tggg hhh \r\n", 50, 60, false,
          "aaa @10.00,50.00|bbb@24.00,50.00|ccc @10.00,54.00|ddd@24.00,54.00|eee fff@10.00,58.00",
          "ggg hhh \r\n", 58},
         {"aaa bbb ccc ddd eee fff\r\n\r\n\r\n", 50, 60, true, nullptr, "", 58},
         // A start below the limit still draws one line.
         {"aaa bbb ccc", 280, 272, false, "aaa @10.00,280.00|bbb@24.00,280.00", "ccc", 280},
         // A word wider than the column is broken where it stops fitting.
         {"aa abcdefghijklmnopqrstuvwxy zz", 50, 272, true,
          "aa@10.00,50.00|abcdefghij@10.00,54.00|klmnopqrst@10.00,58.00|uvwxy zz@10.00,62.00", "",
          62}};
    for (const auto& [texto, y, limite, inteiro, desenhado, resto, yFinal] : casos) {
        SCOPED_TRACE(texto);
        SuperficieTeste s;
        s.DefineTamanhoFonte(10);
        QString bloco = QString::fromUtf8(texto);
        EXPECT_EQ(EscreveTexto::escreve(s, y, 10, 30, limite, bloco), inteiro);
        EXPECT_TRUE(!desenhado || desenho(s) == QString::fromUtf8(desenhado))
            << desenho(s).toStdString();
        EXPECT_TRUE(inteiro || bloco == QString::fromUtf8(resto)) << bloco.toStdString();
        EXPECT_EQ(s.Y(), yFinal);
    }
    // A column narrower than one character still ends.
    SuperficieTeste s;
    QString estreito = QStringLiteral("ab cd");
    s.DefineTamanhoFonte(10);
    EXPECT_TRUE(EscreveTexto::escreve(s, 0, 10, 10, 1e9, estreito));
    EXPECT_EQ(s.textos().size(), 5);
}

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

// The deterministic surface only: real fonts, with their kerning, are compared on the painter
// surface.
TEST(EscreveTextoReferenciaTest, SameLinesAsTheReference) {
    QRandomGenerator r(20240601);
    for (int caso = 0; caso < 2000; ++caso) {
        const QString texto = textoAleatorio(r);
        const double esquerda = r.bounded(20.0), direita = esquerda + r.bounded(120.0);
        const double y = r.bounded(300.0), limite = y - 20 + r.bounded(170.0);
        SuperficieTeste rapida, literal;
        rapida.DefineTamanhoFonte(r.bounded(6, 23));
        literal.DefineTamanhoFonte(rapida.TamanhoFonte());
        QString a = texto, b = texto;
        SCOPED_TRACE(QStringLiteral("caso %1: \"%2\"").arg(caso).arg(texto).toStdString());
        ASSERT_EQ(EscreveTexto::escreve(rapida, y, esquerda, direita, limite, a),
                  EscreveTextoReferencia::escreve(literal, y, esquerda, direita, limite, b));
        ASSERT_EQ(a, b);
        ASSERT_EQ(rapida.Y(), literal.Y());
        ASSERT_EQ(desenho(rapida, true), desenho(literal, true));
        // Counting the lines gives what a page without end takes.
        SuperficieTeste semFim;
        semFim.DefineTamanhoFonte(rapida.TamanhoFonte());
        QString c = texto;
        ASSERT_TRUE(EscreveTexto::escreve(semFim, 0, esquerda, direita, 1e12, c));
        const double linha = semFim.AlturaTexto(EscreveTexto::kAmostraLinha);
        ASSERT_EQ(EscreveTexto::contaLinhas(semFim, esquerda, direita, texto),
                  qRound(semFim.Y() / linha) + 1);
    }
}

} // namespace
} // namespace vidalume
