// Page header, footer and cover, the page start and the saved font, on the deterministic surface
// (characters 0.2 mm per point wide, lines 0.4 mm per point).
#include "DesenhosPagina.h"
#include "FonteSalva.h"
#include "NovaPagina.h"
#include "SuperficieTeste.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

using namespace Qt::StringLiterals;

constexpr double kTol = 0.01;

// Measures in millimetres to the hundredth, separated by blanks.
template <typename... T> QString mm(T... medidas) {
    QStringList l;
    (l << ... << QString::number(medidas, 'f', 2));
    return l.join(u' ');
}

DesenhosPagina desenhos() {
    DadosMoldura m{Margens::tela(),
                   {},
                   QStringLiteral("MARIA DA SILVA"),
                   QStringLiteral("29/11/1978")}; // margins 10, 5, 10, 5
    m.linhas = {QStringLiteral("Consultora"), QStringLiteral("Telefone"),
                QStringLiteral("Sua vida")};
    return DesenhosPagina(m);
}

// Every string drawn as "text@x,y/size[b]", positions to the hundredth of a millimetre.
QString desenho(const SuperficieTeste& s) {
    QStringList l;
    for (const auto& d : s.textos()) {
        EXPECT_EQ(d.fonte.nome, QStringLiteral("Times New Roman"));
        l << QStringLiteral("%1@%2,%3/%4%5")
                 .arg(d.texto)
                 .arg(d.x, 0, 'f', 2)
                 .arg(d.y, 0, 'f', 2)
                 .arg(d.fonte.tamanho)
                 .arg(d.fonte.negrito ? "b" : "");
    }
    return l.join(u'|');
}

// The header: bar, sign and three lines centred right of the sign; the footer: bar, two lines
// and the page number; the cover picture follows the shape of the sheet.
TEST(DesenhosPaginaTest, HeaderFooterAndCover) {
    SuperficieTeste s, rodape;
    s.DefineY(123);
    desenhos().DesenhaCabecalho(s, 210);
    ASSERT_EQ(s.retangulos().size(), 1);
    EXPECT_EQ(mm(s.retangulos()[0].y1, s.retangulos()[0].y2), u"29.00 30.00"_s);
    ASSERT_EQ(s.figuras().size(), 1);
    EXPECT_EQ(s.figuras()[0].figura, Figura::doSigno(5)); // Sagittarius
    // The band right of the sign starts at 34 mm and is 166 mm wide.
    EXPECT_EQ(desenho(s), QStringLiteral("Sua vida@101.00,7.00/20b|MARIA DA SILVA@97.40,16.00/14|"
                                         "29 de novembro de 1978@90.60,22.60/12"));
    EXPECT_EQ(s.Y(), 123);

    desenhos().DesenhaRodape(rodape, 210, 297, QStringLiteral("3"));
    EXPECT_EQ(desenho(rodape),
              QStringLiteral("Consultora@12.00,282.00/12b|Telefone@12.00,286.80/10|"
                             "3@196.80,285.60/16b"));

    SuperficieTeste retrato(210, 297), paisagem(297, 210);
    desenhos().DesenhaFolhaRosto(retrato);
    desenhos().DesenhaFolhaRosto(paisagem);
    ASSERT_EQ(retrato.figuras().size(), 2);
    const auto& capa = retrato.figuras()[1];
    // Half the height inside, and 0.6 of the width inside a landscape sheet.
    EXPECT_EQ(mm(capa.x, capa.y, capa.largura, capa.altura), u"48.00 33.70 114.00 143.50"_s);
    EXPECT_NEAR(paisagem.figuras()[1].altura, 166.2, kTol);
    EXPECT_EQ(desenho(retrato),
              QStringLiteral("Análise@77.00,205.90/40b|Numerológica@57.00,221.90/40b"));
}

TEST(NovaPaginaTest, HeaderOnPageOneAlwaysAndOnOthersWhenAsked) {
    const DesenhosPagina d = desenhos();
    NovaPagina semCabecalho(d, false), comCabecalho(d, true);
    SuperficieTeste p1, p2, p3, q1, q2;
    p1.DefineY(77);
    EXPECT_EQ(semCabecalho.inicia(p1, 210, 297, 1), 27);
    EXPECT_EQ(p1.figuras().size(), 1);
    EXPECT_EQ(semCabecalho.inicia(p2, 210, 297, 2), 0);
    EXPECT_TRUE(p2.figuras().isEmpty());
    EXPECT_EQ(p2.textos().last().texto, QStringLiteral("2"));
    semCabecalho.inicia(p3, 210, 297, 7); // other modes keep the counter
    EXPECT_EQ(p3.textos().last().texto, QStringLiteral("2"));
    comCabecalho.inicia(q1, 210, 297, 1);
    EXPECT_EQ(comCabecalho.inicia(q2, 210, 297, 2), 27);
    EXPECT_EQ(q2.figuras().size(), 1);
}

TEST(FonteSalvaTest, KeepsTheFontWithItsSizeRoundedHalfToEven) {
    SuperficieTeste origem, destino;
    FonteSalva slot;
    slot.RestaurarFontesTela(destino); // nothing saved yet: nothing changes
    EXPECT_EQ(destino.fonte(), FonteSuperficie{});
    origem.DefineNomeFonte(QStringLiteral("Arial"));
    origem.DefineTamanhoFonte(8.5); // half to even: 8
    origem.DefineItalico(true);
    slot.SalvarFontesTela(origem);
    slot.RestaurarFontesTela(destino);
    EXPECT_EQ(destino.fonte(), (FonteSuperficie{QStringLiteral("Arial"), 8, false, true}));
}

} // namespace
} // namespace vidalume
