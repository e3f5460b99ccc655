// The painter surface's measures in millimetres, and the fast text writer against the
// character-by-character reference with real fonts.
#include "SuperficiePintor.h"
#include "EscreveTexto.h"
#include "EscreveTextoReferencia.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>
#include <QRandomGenerator>

namespace vidalume {
namespace {

// Records what it draws, besides drawing it.
class PintorGravador : public SuperficiePintor {
public:
    using SuperficiePintor::SuperficiePintor;
    QStringList desenho;

protected:
    void DesenhaTexto(double x, double y, const QString& texto) override {
        desenho << QStringLiteral("%1@%2,%3").arg(texto).arg(x, 0, 'g', 17).arg(y, 0, 'g', 17);
        SuperficiePintor::DesenhaTexto(x, y, texto);
    }
};

TEST(SuperficiePintorTest, MeasuresInMillimetresOfTheCurrentFont) {
    QPicture pagina;
    QPainter pintor(&pagina);
    SuperficiePintor s(pintor, 210, 297, 1.0, nullptr); // Times New Roman 12
    const QString amostra = QStringLiteral("Análise Numerológica");
    EXPECT_EQ(s.LarguraTexto(QString()), 0);
    const double linha = s.AlturaTexto(QStringLiteral("Agê"));
    EXPECT_EQ(s.AlturaTexto(QString()), linha);
    EXPECT_GT(linha, 3.5); // 12 points are 4.23 mm
    EXPECT_LT(linha, 6.0);
    const double m = s.LarguraTexto(QStringLiteral("M"));
    EXPECT_NEAR(s.LarguraTexto(QStringLiteral("MMMMMMMMMM")), 10 * m, 0.05);
    const double normal = s.LarguraTexto(amostra);
    s.DefineNegrito(true);
    EXPECT_GT(s.LarguraTexto(amostra), normal);
    s.DefineNegrito(false);
    s.DefineTamanhoFonte(24);
    EXPECT_NEAR(s.LarguraTexto(amostra), 2 * normal, 0.02 * normal);
    EXPECT_NEAR(s.AlturaTexto(QString()), 2 * linha, 0.05 * linha);
}

TEST(EscreveTextoFontesReaisTest, SameLinesAsTheReference) {
    const QStringList familias = {"Times New Roman", "Arial", "Courier New"};
    const QStringList palavras = {"a",  "é",    "numerologia", "Vida", "WWW",  "il",
                                  "fi", "ção,", "AV",          "—",    "\r\n", "  "};
    QRandomGenerator r(42);
    for (int caso = 0; caso < 300; ++caso) {
        QString texto;
        for (int i = r.bounded(60); i > 0; --i) {
            texto += palavras[r.bounded(palavras.size())] + u' ';
        }
        const int tamanho = 6 + 2 * r.bounded(9);
        const double direita = 15 + r.bounded(180.0);
        QPicture pa, pb;
        QPainter qa(&pa), qb(&pb);
        PintorGravador a(qa, 210, 297, 1.0, nullptr), b(qb, 210, 297, 1.0, nullptr);
        for (PintorGravador* s : {&a, &b}) {
            s->DefineNomeFonte(familias[caso % 3]);
            s->DefineTamanhoFonte(tamanho);
            s->DefineNegrito(caso % 2);
        }
        QString ta = texto, tb = texto;
        SCOPED_TRACE(caso);
        ASSERT_EQ(EscreveTexto::escreve(a, 20, 12, direita, 200, ta),
                  EscreveTextoReferencia::escreve(b, 20, 12, direita, 200, tb));
        ASSERT_EQ(ta, tb);
        ASSERT_EQ(a.desenho, b.desenho);
    }
}

} // namespace
} // namespace vidalume
