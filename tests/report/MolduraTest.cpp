// Page header and footer and the page start, on the deterministic surface
// (characters 0.2 mm per point wide, lines 0.4 mm per point).
#include "report/DesenhosPagina.h"
#include "report/NovaPagina.h"
#include "tests/suporte/SuperficieTeste.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

DesenhosPagina desenhos() {
    Diagramacao m;
    m.margens = Margens::tela(); // 10, 5, 10, 5
    m.NomeAnalise = QStringLiteral("MARIA DA SILVA");
    m.DataNascimento = QStringLiteral("29/11/1978");
    m.linhas = {QStringLiteral("Consultora"), QStringLiteral("Telefone"),
                QStringLiteral("Sua vida")};
    return DesenhosPagina(m);
}

// Every string drawn as "text@x,y/size[b]", positions to the hundredth of a millimetre.
QString desenho(const SuperficieTeste& s) {
    QStringList l;
    for (const auto& d : s.textos()) {
        l << QStringLiteral("%1@%2,%3/%4%5")
                 .arg(d.texto)
                 .arg(d.x, 0, 'f', 2)
                 .arg(d.y, 0, 'f', 2)
                 .arg(d.fonte.tamanho)
                 .arg(d.fonte.negrito ? "b" : "");
    }
    return l.join(u'|');
}

// The header: bar, sign and three lines centred right of the sign; the footer: two lines and
// the page number.
TEST(DesenhosPaginaTest, HeaderAndFooter) {
    SuperficieTeste s, rodape;
    s.DefineY(123);
    desenhos().DesenhaCabecalho(s, 210);
    EXPECT_EQ(s.retangulos().size(), 1);
    ASSERT_EQ(s.figuras().size(), 1);
    EXPECT_EQ(s.figuras()[0].figura, Figura::doSigno(5)); // Sagittarius
    // The band right of the sign starts at 34 mm and is 166 mm wide.
    EXPECT_EQ(desenho(s), QStringLiteral("Sua vida@101.00,7.00/20b|MARIA DA SILVA@97.40,16.00/14|"
                                         "29 de novembro de 1978@90.60,22.60/12"));
    EXPECT_EQ(s.Y(), 123);

    // A name too long for the band is drawn smaller, inside it; the next line keeps its size.
    Diagramacao longo = desenhos().dados();
    longo.NomeAnalise = QString(120, u'A');
    SuperficieTeste l;
    DesenhosPagina(longo).DesenhaCabecalho(l, 210);
    ASSERT_EQ(l.textos().size(), 3);
    const auto& nome = l.textos()[1];
    EXPECT_LT(nome.fonte.tamanho, 14);
    EXPECT_GE(nome.x, 34);
    EXPECT_LE(nome.x + 120 * 0.2 * nome.fonte.tamanho, 200.01);
    EXPECT_EQ(l.textos()[2].fonte.tamanho, 12);

    desenhos().DesenhaRodape(rodape, 210, 297, QStringLiteral("3"));
    EXPECT_EQ(desenho(rodape),
              QStringLiteral("Consultora@12.00,282.00/12b|Telefone@12.00,286.80/10|"
                             "3@196.80,285.60/16b"));
}

// The cover's name and date (their words are read back from a PDF in CliPdfTest) lie above
// the bottom margin; a long name shrinks into its band and a report without a date draws no
// date line.
TEST(DesenhosPaginaTest, CoverNameAndDateStayInsideTheBorder) {
    Diagramacao d = desenhos().dados();
    SuperficieTeste s;
    DesenhosPagina(d).DesenhaFolhaRosto(s);
    ASSERT_EQ(s.textos().size(), 4);
    EXPECT_LT(s.textos()[3].y + 0.4 * s.textos()[3].fonte.tamanho, 297 - 5);
    d.NomeAnalise = QString(120, u'Ç');
    d.DataNascimento.clear();
    SuperficieTeste longo;
    DesenhosPagina(d).DesenhaFolhaRosto(longo);
    ASSERT_EQ(longo.textos().size(), 3);
    const auto& nome = longo.textos()[2];
    EXPECT_GE(nome.x, 10 + 0.1 * 190 - 0.01);
    EXPECT_LE(nome.x + 120 * 0.2 * nome.fonte.tamanho, 10 + 0.9 * 190 + 0.01);
}

// Whether a page gets a header is seen in the layout tests; here, the page number.
TEST(NovaPaginaTest, PageNumberCountsOnlyNewPages) {
    const DesenhosPagina d = desenhos(); // the page start keeps a reference to it
    NovaPagina nova(d, false);
    SuperficieTeste p1, p2, p3;
    nova.inicia(p1, 210, 297, 1);
    nova.inicia(p2, 210, 297, 2);
    nova.inicia(p3, 210, 297, 7); // other modes keep the counter
    EXPECT_EQ(p2.textos().last().texto + p3.textos().last().texto, QStringLiteral("22"));
}

} // namespace
} // namespace vidalume
