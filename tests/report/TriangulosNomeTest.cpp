// The four triangles of a candidate in one picture: captions, a Destino triangle equal to the
// Vida one said once and not drawn, and nothing drawn outside the height it announces.
#include "report/QuadroTriangulosNome.h"

#include "report/QuadroPiramide.h"

#include "tests/suporte/SuperficieTeste.h"

#include <gtest/gtest.h>

using namespace vidalume;

TEST(TriangulosNome, DestinoIgualAVidaNaoSeRepete) {
    // Born on 4 May: 4 + 5 = 9, so every Destino letter is its Vida value again.
    const PiramideNome p = CalculaPiramide({1, 5, 1, 3, 2, 6, 7}, 4, 5);
    const QStringList letras{"A", "N", "A", "C", "R", "U", "Z"};
    const QuadroTriangulosNome quadro(p, letras);
    SuperficieTeste s;
    quadro.desenha(s, 10, 20, 100);
    const double altura = quadro.altura(s, 100);

    QStringList titulos;
    for (const auto& t : s.textos()) {
        EXPECT_GE(t.y, 20);
        EXPECT_LT(t.y, 20 + altura);
        if (t.texto.startsWith(QStringLiteral("Triângulo"))) {
            titulos << t.texto;
        }
    }
    ASSERT_EQ(titulos.size(), 4);
    EXPECT_EQ(titulos[0], QStringLiteral("Triângulo da Vida"));
    EXPECT_TRUE(titulos[3].startsWith(QStringLiteral("Triângulo do Destino: igual ao Triângulo")));
    const double umTriangulo =
        QuadroPiramide(p.triangulos[0], letras, QuadroSecao::Parte{}).altura(s, 100);
    EXPECT_NEAR(altura,
                4 * QuadroTriangulosNome::kAlturaTitulo + 3 * umTriangulo +
                    3 * QuadroTriangulosNome::kEspaco,
                1e-9);
}
