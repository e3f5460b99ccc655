// Where the help window goes, and the frames of the start-up animation.
#include "DicasBotoes.h"
#include "AnimacaoEntrada.h"

#include <gtest/gtest.h>

using namespace vidalume;

TEST(DicasBotoes, PosicaoEBordaDireita) {
    // Window at (100, 50) px, print button at 765 x 45 twips: 120 and 1380 twips further.
    EXPECT_EQ(DicasBotoes::geometria({100, 50}, {51, 3}, 1600), QRect(159, 145, 241, 43));
    // The exit button near the right of an 800-pixel screen: ends 200 twips before the edge.
    EXPECT_EQ(DicasBotoes::posicaoTwips({9000, 750}, {4365, 45}, 12000),
              QPoint(12000 - 3615 - 200, 750 + 45 + 1380));
    EXPECT_EQ(DicasBotoes::geometria({600, 50}, {291, 3}, 800).left(), 546); // 8185 / 15
    // Ending exactly at the edge is allowed.
    EXPECT_EQ(DicasBotoes::posicaoTwips({0, 0}, {12000 - 3615 - 120, 0}, 12000).x(), 8385);
    EXPECT_TRUE(DicasBotoes::texto(QStringLiteral("criar")).isEmpty()); // names match exactly
}

TEST(AnimacaoEntrada, VinteEQuatroQuadrosDoCentro) {
    const QList<QRectF> quadros = AnimacaoEntrada::quadros(3900);
    ASSERT_EQ(quadros.size(), 24);
    EXPECT_EQ(quadros.first(), QRectF(1950, 1950, 40, 40));
    for (qsizetype k = 1; k < quadros.size(); ++k) {
        EXPECT_NEAR(quadros[k].center().x(), 1950, 1e-9) << k;
        EXPECT_NEAR(quadros[k].center().y(), 1950, 1e-9) << k;
        EXPECT_GT(quadros[k].width(), quadros[k - 1].width());
    }
    EXPECT_GT(quadros.last().width(), 3800);
    EXPECT_LE(quadros.last().right(), 3900);
    // A box without size gives one frame instead of an endless loop.
    EXPECT_EQ(AnimacaoEntrada::quadros(0).size(), 1);
}
