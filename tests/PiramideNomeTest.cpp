// The pyramid of a name: rows, regent, negative sequences and the arcana of passage, against
// pyramids worked by hand.
#include "engine/PiramideNome.h"
#include "engine/MapaCabalistico.h"

#include <gtest/gtest.h>

using namespace vidalume;
using Seq = SequenciaNegativa;

namespace {

PiramideNome piramide(const char* nome, const char* data) {
    return CalculaMapaCabalistico(QString::fromUtf8(nome), QString::fromLatin1(data),
                                  QDate(2026, 12, 7), RegrasCalculo::de(EscolaCalculo::Cabalistica),
                                  TabelaHarmonia::padrao())
        .piramide;
}

} // namespace

TEST(PiramideNome, ExemplosTrabalhadosAMao) {
    const PiramideNome p = piramide("Maria Silva", "03/04/1990");
    const Triangulo& vida = p.triangulos[PiramideNome::Vida];
    ASSERT_EQ(vida.linhas.size(), 10);
    EXPECT_EQ(vida.linhas[0], (QList<int>{4, 1, 2, 1, 1, 3, 1, 3, 6, 1}));
    EXPECT_EQ(vida.linhas[1], (QList<int>{5, 3, 3, 2, 4, 4, 4, 9, 7}));
    EXPECT_EQ(vida.linhas[9].size(), 1);
    EXPECT_EQ(vida.arcanoRegente, 2);
    EXPECT_EQ(vida.sequencias.first(), (Seq{2, 4, 5, 3}));

    QList<int> arcanos;
    for (const ArcanoPassagem& a : p.arcanos) {
        arcanos << a.arcano;
    }
    EXPECT_EQ(arcanos, (QList<int>{41, 12, 21, 11, 13, 31, 13, 36, 61}));
    EXPECT_DOUBLE_EQ(p.arcanos[3].de, 30);
    EXPECT_DOUBLE_EQ(p.arcanos[3].ate, 40);
    EXPECT_EQ(p.arcanoNaIdade(35), 3);
    EXPECT_EQ(p.arcanoNaIdade(0), 0);
    EXPECT_EQ(p.arcanoNaIdade(30), 3); // a boundary age opens the next period
    EXPECT_EQ(p.arcanoNaIdade(89.9), 8);
    EXPECT_EQ(p.arcanoNaIdade(90), 8);
    EXPECT_EQ(p.arcanoNaIdade(120), 8);
    EXPECT_EQ(p.arcanoNaIdade(-0.5), -1);

    // JOSÉ born on the 15th: each letter plus R(15) = 6 in the Triângulo Pessoal.
    const Triangulo pessoal = piramide("José", "15/02/1980").triangulos[PiramideNome::Pessoal];
    EXPECT_EQ(pessoal.linhas, (QList<QList<int>>{{7, 4, 9, 4}, {2, 4, 4}, {6, 8}, {5}}));
    EXPECT_EQ(pessoal.arcanoRegente, 5);
}

TEST(PiramideNome, SequenciasContadasUmaVezPorCorrida) {
    // A run of five in the base counted once, two runs in one row, a run of four below.
    const Triangulo t = MontaTriangulo({7, 7, 7, 7, 7, 2, 2, 2});
    EXPECT_EQ(t.linhas[1], (QList<int>{5, 5, 5, 5, 9, 4, 4}));
    EXPECT_EQ(t.sequencias.mid(0, 3), (QList<Seq>{{1, 7, 1, 5}, {1, 2, 6, 3}, {2, 5, 1, 4}}));
    // Two equal digits are no sequence; neither is a run broken by another digit.
    EXPECT_TRUE(MontaTriangulo({3, 3, 1, 3, 3}).sequencias.isEmpty());
    // Every row of a 9s base is all 9s: one run per row, down to the row of three.
    const Triangulo noves = MontaTriangulo(QList<int>(6, 9));
    EXPECT_EQ(noves.sequencias.size(), 4);
    EXPECT_EQ(noves.sequencias.last(), (Seq{4, 9, 1, 3}));
    EXPECT_EQ(noves.arcanoRegente, 9);
}

TEST(PiramideNome, TriangulosIguaisENomesCurtosELongos) {
    // Day 4 and month 5 add 9 to every letter in the Destino triangle: the Vida one again.
    const PiramideNome p = piramide("Ana Lúcia", "04/05/1970");
    EXPECT_TRUE(p.igualAVida(PiramideNome::Destino));
    EXPECT_FALSE(p.igualAVida(PiramideNome::Pessoal));
    EXPECT_EQ(p.triangulos[PiramideNome::Destino], p.triangulos[PiramideNome::Vida]);

    const PiramideNome um = piramide("O", "10/10/2000");
    EXPECT_EQ(um.triangulos[PiramideNome::Vida].linhas, (QList<QList<int>>{{7}}));
    EXPECT_EQ(um.triangulos[PiramideNome::Vida].arcanoRegente, 7);
    EXPECT_TRUE(um.arcanos.isEmpty());
    EXPECT_EQ(um.arcanoNaIdade(20), -1);
    const PiramideNome dois = piramide("Li", "10/10/2000");
    ASSERT_EQ(dois.arcanos.size(), 1);
    EXPECT_EQ(dois.arcanos[0], (ArcanoPassagem{31, 0, 90}));
    EXPECT_EQ(dois.arcanoNaIdade(95), 0);

    const PiramideNome vazio = piramide("", "10/10/2000");
    EXPECT_TRUE(vazio.triangulos[PiramideNome::Vida].linhas.isEmpty());
    EXPECT_EQ(vazio.totalSequencias(), 0);

    // 200 letters: 200 rows narrowing to one digit, 199 arcana sharing 90 years.
    const QByteArray longo = QByteArray("Abcdefghij").repeated(20);
    const PiramideNome grande = piramide(longo.constData(), "10/10/2000");
    const Triangulo& t = grande.triangulos[PiramideNome::Social];
    ASSERT_EQ(t.linhas.size(), 200);
    EXPECT_EQ(t.linhas.last().size(), 1);
    EXPECT_EQ(grande.arcanos.size(), 199);
    EXPECT_DOUBLE_EQ(grande.arcanos.last().ate, 90);
    EXPECT_EQ(grande.arcanoNaIdade(89.99), 198);
}
