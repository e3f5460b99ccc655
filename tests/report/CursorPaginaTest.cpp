// The page cursor on recording sheets (210 x 297 mm, margins 10, 5, 10, 5; lines 0.4 mm per
// point high): where content begins, when a block still fits, what a page break carries over
// and what it runs, and a block going on over several pages.
#include "report/CursorPagina.h"
#include "tests/suporte/FolhasTeste.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

constexpr double kTol = 0.001;

Diagramacao tela(bool cabecalhoEmTodas) {
    Diagramacao d;
    d.margens = Margens::tela();
    d.configuracao.ImprimirCabecalho = Configuracao::flag(cabecalhoEmTodas);
    return d;
}

TEST(CursorPagina, PosicaoEmMilimetrosDoTopoDaPaginaComOuSemCabecalho) {
    for (const bool cabecalho : {false, true}) {
        const Diagramacao d = tela(cabecalho);
        FolhasTeste folhas;
        CursorPagina cursor(d, 210, 297);
        cursor.inicia(folhas);
        // Page 1 always has its header band below the top margin.
        EXPECT_NEAR(cursor.y(), 5 + NovaPagina::kAlturaCabecalho, kTol);
        EXPECT_NEAR(cursor.limite(), 297 - 5 - 20, kTol);
        EXPECT_NEAR(cursor.esquerda(), 12, kTol);
        EXPECT_NEAR(cursor.direita(), 198, kTol);
        cursor.quebraPagina();
        EXPECT_NEAR(cursor.y(), cabecalho ? 5 + NovaPagina::kAlturaCabecalho : 5, kTol);
        // A block fits up to the limit and breaks a hundredth of a millimetre past it.
        cursor.defineY(cursor.limite() - 10);
        EXPECT_TRUE(cursor.cabe(10));
        EXPECT_FALSE(cursor.garanteEspaco(10));
        EXPECT_TRUE(cursor.garanteEspaco(10.01));
        EXPECT_EQ(cursor.termina(), 3);
    }
}

TEST(CursorPagina, QuebraLevaAFonteERodaOGanchoUmaVezPorPagina) {
    const Diagramacao d = tela(false);
    FolhasTeste folhas;
    CursorPagina cursor(d, 210, 297);
    cursor.inicia(folhas);
    cursor.folha().DefineNomeFonte(QStringLiteral("Arial"));
    cursor.folha().DefineTamanhoFonte(11);
    cursor.folha().DefineItalico(true);
    cursor.folha().DefineNegrito(false); // the header of page 1 left it bold
    int ganchos = 0;
    cursor.aoQuebrar([&] {
        ++ganchos;
        // The hook writes in its own font and may ask for room without breaking again.
        cursor.folha().DefineNegrito(true);
        cursor.folha().DefineTamanhoFonte(8);
        cursor.garanteEspaco(1);
        cursor.defineY(cursor.y() + 4);
    });
    cursor.quebraPagina();
    EXPECT_EQ(ganchos, 1);
    EXPECT_NEAR(cursor.y(), 9, kTol);
    const FonteSuperficie& f = cursor.folha().fonte();
    EXPECT_EQ(f.nome, QStringLiteral("Arial"));
    EXPECT_EQ(f.tamanho, 11);
    EXPECT_TRUE(f.italico);
    EXPECT_FALSE(f.negrito);

    cursor.aoQuebrar(nullptr);
    cursor.quebraPagina();
    EXPECT_EQ(ganchos, 1);
    EXPECT_EQ(cursor.termina(), 3);
}

TEST(CursorPagina, BlocoLongoContinuaNasPaginasSeguintesEDivisoriaNuncaFicaSemEspaco) {
    const Diagramacao d = tela(false);
    FolhasTeste folhas;
    CursorPagina cursor(d, 210, 297);
    cursor.inicia(folhas);
    cursor.folha().DefineTamanhoFonte(10); // 4 mm lines
    QStringList linhas;
    for (int i = 1; i <= 100; ++i) {
        linhas << QStringLiteral("linha %1").arg(i);
    }
    cursor.escreveBloco(linhas.join(QStringLiteral("\r\n")));
    EXPECT_GE(folhas.quantidade(), 2);
    const auto& ultima = folhas.folha(folhas.quantidade() - 1).textos();
    EXPECT_TRUE(std::any_of(ultima.begin(), ultima.end(),
                            [](const auto& t) { return t.texto == QStringLiteral("linha 100"); }));

    // A divider with no room left below it goes to the top of the next page.
    const int antes = folhas.quantidade();
    cursor.defineY(cursor.limite() - CursorPagina::kEspacoAposBloco + 0.5);
    cursor.divisoria();
    EXPECT_EQ(folhas.quantidade(), antes + 1);
    const auto& figuras = folhas.folha(antes).figuras();
    ASSERT_EQ(figuras.size(), 1);
    EXPECT_NEAR(figuras[0].y, 5, kTol);
    EXPECT_NEAR(cursor.y(), 5 + CursorPagina::kAvancoDivisoria, kTol);
}

// A heading is never stretched, and goes to the next page rather than stay alone at the foot
// of one.
TEST(CursorPagina, TitulosSemEsticarEJuntoDasPrimeirasLinhas) {
    const Diagramacao d = tela(false);
    FolhasTeste folhas;
    CursorPagina cursor(d, 210, 297);
    cursor.inicia(folhas);
    cursor.folha().DefineTamanhoFonte(10); // 4 mm lines, 2 mm characters: 93 to a line
    const QString titulo = QStringLiteral("Um título ") + QString(75, u'x') +
                           QStringLiteral(" que passa de uma linha e termina aqui");
    EXPECT_NEAR(cursor.alturaBloco(titulo), 8, kTol);
    const double topo = cursor.y();
    cursor.escreveTitulo(titulo);
    for (const auto& t : folhas.folha(0).textos()) {
        if (t.y >= topo && t.y <= cursor.limite()) {
            EXPECT_NEAR(t.x, cursor.esquerda(), kTol) << t.texto.toStdString();
        }
    }

    // Room for two lines: a group of three breaks; at the top of a page, or taller than a
    // page, it stays.
    cursor.defineY(cursor.limite() - 8);
    EXPECT_FALSE(cursor.mantemJunto(8));
    EXPECT_TRUE(cursor.mantemJunto(12));
    EXPECT_EQ(folhas.quantidade(), 2);
    EXPECT_FALSE(cursor.mantemJunto(12));
    cursor.defineY(cursor.limite() - 8);
    EXPECT_FALSE(cursor.mantemJunto(cursor.alturaUtil() + 1));
}

} // namespace
} // namespace vidalume
