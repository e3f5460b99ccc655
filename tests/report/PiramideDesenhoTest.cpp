// The pyramid of a name on the page: one triangle drawn with its letters, shaded sequences
// and circled regent inside the width given; a long name cut into parts that cover every
// digit once; and the cabalística map's pyramid sections laid out with no picture cut.
#include "composer/ComporCabalistica.h"
#include "composer/ComporCorrecao.h"
#include "composer/ComporPiramide.h"
#include "report/LayoutAnalise.h"
#include "report/QuadroPiramide.h"
#include "report/Relatorio.h"
#include "tests/suporte/FolhasTeste.h"

#include <gtest/gtest.h>

#include <QSet>

namespace vidalume {
namespace {

constexpr double kTol = 0.01;

MapaCabalistico mapa(const QString& nome, const QString& data = QStringLiteral("03/04/1990")) {
    return CalculaMapaCabalistico(nome, data, QDate(2025, 10, 3),
                                  RegrasCalculo::de(EscolaCalculo::Cabalistica),
                                  TabelaHarmonia::padrao());
}

QStringList letras(const MapaCabalistico& m) {
    QStringList l;
    for (const auto& letra : m.letras) {
        l << QString(letra.letra);
    }
    return l;
}

TEST(PiramideDesenho, TrianguloComLetrasSequenciasERegente) {
    const MapaCabalistico m = mapa(QStringLiteral("Maria Silva"));
    const Triangulo& t = m.piramide.triangulos[PiramideNome::Vida];
    const QStringList nomes = letras(m);
    for (double largura : {170.0, 40.0}) {
        const QuadroPiramide q(t, nomes, {});
        SuperficieTeste s;
        s.DefineX(3);
        q.desenha(s, 20, 50, largura);
        EXPECT_EQ(s.X(), 3);
        const double c = q.celula(largura);
        EXPECT_NEAR(c, std::min(QuadroPiramide::kCelulaMaxima, largura / 10), kTol);
        EXPECT_NEAR(q.altura(s, largura), 11 * c, kTol); // the letters and ten rows

        QStringList escritos;
        for (const auto& texto : s.textos()) {
            escritos << texto.texto;
            EXPECT_GE(texto.x, 20 - kTol);
            EXPECT_LE(texto.x, 20 + largura);
            EXPECT_LE(texto.y, 50 + q.altura(s, largura));
        }
        EXPECT_EQ(escritos.mid(0, 10).join(QString()), QStringLiteral("4121131361"));
        EXPECT_EQ(escritos.size(), 55 + 10); // every digit, then the letters
        EXPECT_EQ(escritos.mid(55).join(QString()), QStringLiteral("MARIASILVA"));

        // The 444 of the second row: one band over positions 5 to 7, half a cell in.
        ASSERT_EQ(s.retangulos().size(), 1);
        const auto& faixa = s.retangulos().first();
        EXPECT_EQ(faixa.cor, QuadroPiramide::kSombra);
        EXPECT_NEAR(faixa.x2 - faixa.x1, 3 * c, kTol);
        EXPECT_NEAR(faixa.x1, 20 + (largura - 10 * c) / 2 + 4.5 * c, kTol);
        // The circle round the vertex, in the last row.
        ASSERT_EQ(s.elipses().size(), 1);
        EXPECT_NEAR((s.elipses()[0].y1 + s.elipses()[0].y2) / 2, 50 + 10.5 * c, kTol);
    }
}

TEST(PiramideDesenho, PartesCobremCadaAlgarismoUmaVez) {
    EXPECT_EQ(ComporPiramide::partes(60).size(), 1);
    for (int n : {61, 97, 200}) {
        QSet<std::pair<int, int>> vistos;
        for (const QuadroSecao::Parte& p : ComporPiramide::partes(n)) {
            EXPECT_LE(p.ultimaLinha - p.primeiraLinha + 1, ComporPiramide::kLadoParte);
            EXPECT_LE(p.ultimaColuna - p.primeiraColuna + 1, ComporPiramide::kLadoParte);
            EXPECT_TRUE(p.legenda.startsWith(QStringLiteral("Parte "))) << p.legenda.toStdString();
            for (int l = p.primeiraLinha; l <= p.ultimaLinha; ++l) {
                for (int c = p.primeiraColuna; c <= std::min(p.ultimaColuna, n - l + 1); ++c) {
                    EXPECT_FALSE(vistos.contains({l, c}));
                    vistos.insert({l, c});
                }
            }
        }
        EXPECT_EQ(vistos.size(), n * (n + 1) / 2) << n;
    }
}

// The pyramid sections of a long name: every part drawn inside the text width and whole on
// one page, the title with its first part, the texts of the sequences and of the arcana.
TEST(PiramideDesenho, SecoesDoMapaNuncaCortamUmaFigura) {
    const QString nome = QStringLiteral("Maria Silva ").repeated(7).trimmed(); // 70 letters
    const RelatorioComposto r = ComporCabalistica::compoe(
        nome, QStringLiteral("04/05/1970"), QDate(2025, 10, 3),
        RegrasCalculo::de(EscolaCalculo::Cabalistica), TabelaHarmonia::padrao(),
        ArquivoInterpretacao(QStringLiteral(VIDALUME_DADOS_TESTE)),
        [](int k) { return k >= ComporCabalistica::kTrianguloVida; });
    const ItemAnalise& vida = r.analise[ComporCabalistica::kTrianguloVida];
    EXPECT_EQ(vida.QuadrosSeguintes.size() + 1, ComporPiramide::partes(70).size());
    EXPECT_EQ(vida.Quadro.linhasTexto.size(), 71); // the letters and every row
    EXPECT_TRUE(vida.Texto.contains(
        QStringLiteral("Sequência negativa 444 no Triângulo da Vida, 2ª linha:")));
    EXPECT_TRUE(vida.Texto.contains(QStringLiteral("onde ela aparece pela primeira vez")));
    // Day 4 and month 5: the Destino triangle is the Vida one, said and not drawn.
    const ItemAnalise& destino = r.analise[ComporCabalistica::kTrianguloDestino];
    EXPECT_EQ(destino.Quadro.tipo, QuadroSecao::Tipo::Nenhum);
    EXPECT_TRUE(destino.Texto.contains(QStringLiteral("igual ao Triângulo da Vida")));
    const ItemAnalise& passagem = r.analise[ComporCabalistica::kArcanosPassagem];
    EXPECT_EQ(passagem.Quadro.tipo, QuadroSecao::Tipo::Arcanos);
    EXPECT_EQ(passagem.QuadrosSeguintes.size(), 2); // 69 periods, 25 to a picture
    EXPECT_TRUE(passagem.Texto.contains(QStringLiteral("Aos 55 anos, o arcano em vigor é o 43º")));
    EXPECT_FALSE(r.analise[ComporCabalistica::kArcanoRegente].Texto.isEmpty());

    Diagramacao base;
    base.margens = Margens::tela();
    const Diagramacao d = r.diagramacao(base);
    FolhasTeste folhas;
    LayoutAnalise(d, 210).dispoe(folhas);
    const double fundo = LayoutAnalise::limiteTexto(297, d.margens);
    int faixas = 0, paginasComTitulo = 0, caixasAtuais = 0;
    for (int p = 0; p < folhas.quantidade(); ++p) {
        const SuperficieTeste& f = folhas.folha(p);
        for (const auto& e : f.retangulos()) {
            if (e.cor == QuadroPiramide::kSombra) {
                ++faixas;
                EXPECT_LE(e.y2, fundo);
                EXPECT_LE(e.x2, 210 - d.margens.MargemDireita + kTol);
            }
        }
        for (const auto& t : f.textos()) {
            paginasComTitulo += t.texto == QStringLiteral("Triângulo da Vida");
            caixasAtuais += t.texto.endsWith(QStringLiteral(" (atual)"));
        }
    }
    EXPECT_EQ(paginasComTitulo, 1);
    EXPECT_EQ(caixasAtuais, 1); // the arcana's timeline is laid out too
    EXPECT_GE(faixas, vida.QuadrosSeguintes.size());
}

// The correction study: the name as registered shaded first in the table, each chosen spelling
// with what it changes and its triangles, and the table's cells kept inside their columns.
TEST(PiramideDesenho, EstudoDeCorrecaoLadoALado) {
    CorrecaoNome::Pedido pedido;
    pedido.nome = QStringLiteral("Maria da Silva");
    pedido.nascimento = QStringLiteral("29/11/1978");
    pedido.regras = RegrasCalculo::de(EscolaCalculo::Cabalistica);
    const CorrecaoNome estudo = CorrecaoNome::calcula(pedido);
    const QList<int> escolhidos = ComporCorrecao::melhores(estudo, 3);
    ASSERT_EQ(escolhidos.size(), 3);
    const RelatorioComposto r =
        ComporCorrecao::compoe(estudo, escolhidos + QList<int>{estudo.indiceOriginal()},
                               ArquivoInterpretacao(QStringLiteral(VIDALUME_DADOS_TESTE)));
    const QuadroSecao& tabela = r.analise[ComporCorrecao::kComparacao].Quadro;
    ASSERT_EQ(tabela.celulas.size(), 4); // the original asked again is not a second row
    EXPECT_EQ(tabela.destaque, 0);
    EXPECT_EQ(tabela.celulas[0][0], QStringLiteral("MARIA DA SILVA (registro)"));
    EXPECT_EQ(tabela.celulas[1][0], estudo.candidatos[escolhidos[0]].marcado);
    const ItemAnalise& primeira = r.analise[ComporCorrecao::kPrimeiroEscolhido];
    EXPECT_TRUE(primeira.Titulo.startsWith(QStringLiteral("Grafia 1: ")));
    EXPECT_TRUE(primeira.Texto.contains(QStringLiteral("Em relação ao nome de registro: ")));
    EXPECT_EQ(primeira.Quadro.tipo, QuadroSecao::Tipo::Piramide);
    EXPECT_TRUE(r.analise[ComporCorrecao::kPrimeiroEscolhido + 3].Titulo.isEmpty());
    EXPECT_FALSE(r.analise[ComporCorrecao::kAssinatura].Texto.isEmpty());

    Diagramacao base;
    base.margens = Margens::tela();
    const Diagramacao d = r.diagramacao(base);
    EXPECT_EQ(Relatorio::de(d).tituloJanela(d),
              QStringLiteral("Estudo de Correção do Nome — MARIA DA SILVA"));
    FolhasTeste folhas(210, 297, 0.3); // wide characters, so that long names must be cut
    LayoutAnalise(d, 210).dispoe(folhas);
    int cortados = 0;
    for (int p = 0; p < folhas.quantidade(); ++p) {
        for (const auto& t : folhas.folha(p).textos()) {
            cortados += t.texto.endsWith(QStringLiteral("…"));
            EXPECT_LE(t.x + t.texto.size() * 0.3 * t.fonte.tamanho, 210 - 10 + kTol);
        }
    }
    EXPECT_GT(cortados, 0);
}

} // namespace
} // namespace vidalume
