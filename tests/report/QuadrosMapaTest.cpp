// The pictures of the complete map on a recording surface, and the layout that keeps each
// picture whole on one page.
#include "composer/ComporMapa.h"
#include "report/LayoutAnalise.h"
#include "report/QuadroInclusao.h"
#include "report/QuadroLetras.h"
#include "tests/suporte/FolhasTeste.h"

#include <gtest/gtest.h>

namespace vidalume {
namespace {

constexpr double kTol = 0.01;

// The map sections of `nome`, born 29/11/1978, with no interpretation file.
Analise analiseMapa(const QString& nome) {
    Analise a;
    ComporMapa::compoe(
        a, nome,
        CalculaNumeros(nome, QStringLiteral("29/11/1978"), {}, RegrasCalculo::pitagorica()),
        RegrasCalculo::pitagorica(), ArquivoInterpretacao(QStringLiteral("/nao/existe")),
        QDate(2026, 12, 6));
    return a;
}

// Of the map, only section `k` (with section 1 when asked), laid out on an A4 page.
FolhasTeste dispoeSo(const Analise& a, int k, const Margens& margens, bool comSecao1 = false) {
    Diagramacao d;
    d.margens = margens;
    d.analise = a;
    d.selecao.fill(0);
    d.selecao[1] = comSecao1 ? -1 : 0;
    for (int s = 29; s <= 34; ++s) {
        d.opcoesMapa.defineSecao(s, s == k);
    }
    FolhasTeste folhas;
    LayoutAnalise(d, 210).dispoe(folhas);
    return folhas;
}

TEST(QuadrosMapaTest, InclusaoSombreiaOsNumerosQueFaltam) {
    const std::array<int, 9> contagens{2, 0, 2, 0, 1, 0, 0, 0, 3};
    const QString legenda = QStringLiteral("legenda");
    const QuadroInclusao quadro(contagens, legenda);
    SuperficieTeste s;
    s.DefineX(7);
    quadro.desenha(s, 20, 50, 170);
    EXPECT_NEAR(quadro.altura(s, 170), 3 * 13 + 0.3 + 7, kTol);
    EXPECT_EQ(s.X(), 7); // the position is given back

    QList<std::pair<double, double>> cinzas; // top-left corners of the shaded cells
    int tracos = 0;
    for (const auto& r : s.retangulos()) {
        if (r.cor == QuadroInclusao::kCinza) {
            cinzas.append({r.x1, r.y1});
        } else {
            ++tracos;
        }
    }
    // 2 (middle, top), 4 (left, middle), 6 7 8.
    EXPECT_EQ(cinzas,
              (QList<std::pair<double, double>>{{40, 50}, {20, 63}, {60, 63}, {20, 76}, {40, 76}}));
    EXPECT_EQ(tracos, 8);
    QStringList contagensDesenhadas;
    for (const auto& t : s.textos()) {
        if (t.fonte.negrito) {
            contagensDesenhadas << t.texto;
        }
    }
    EXPECT_EQ(contagensDesenhadas.join(u' '), QStringLiteral("2 0 2 0 1 0 0 0 3"));
    EXPECT_EQ(s.textos().last().texto, legenda);
    EXPECT_NEAR(s.textos().last().y, 50 + 39 + 0.3 + 1.5, kTol);
}

// Vowel values above their letters, consonant values below, whole words per row.
TEST(QuadrosMapaTest, LetrasComValoresAcimaEAbaixo) {
    const MapaLetras mapa =
        MontaMapaLetras(QStringLiteral("ANA LU BEATRIZ"), RegrasCalculo::pitagorica());
    const QStringList totais{QStringLiteral("t1"), QStringLiteral("t2")};
    const QuadroLetras quadro(mapa, totais);
    // 30 mm hold 5 cells: ANA (3) alone, then LU, then BEATRIZ split 5 + 2.
    const double linha = 2 * QuadroLetras::kLinhaValor + QuadroLetras::kLinhaLetra;
    SuperficieTeste s;
    EXPECT_NEAR(quadro.altura(s, 30),
                4 * linha + 3 * QuadroLetras::kEntreLinhas + QuadroLetras::kAntesTotais +
                    2 * QuadroLetras::kLinhaTotal,
                kTol);
    EXPECT_NEAR(quadro.altura(s, 200), linha + QuadroLetras::kAntesTotais + 11, kTol);

    quadro.desenha(s, 10, 100, 200);
    // What is drawn in the cell `coluna`, from top to bottom.
    const auto celula = [&](int coluna) {
        QStringList c;
        const double centro = 10 + (coluna + 0.5) * QuadroLetras::kCelula;
        for (const auto& t : s.textos()) {
            if (qAbs(t.x + s.LarguraTexto(t.texto) * t.fonte.tamanho / 12 / 2 - centro) < 0.5) {
                c << QStringLiteral("%1@%2").arg(t.texto).arg(t.y - 100, 0, 'f', 1);
            }
        }
        return c;
    };
    EXPECT_EQ(celula(1), (QStringList{"N@5.3", "5@11.5"})); // a consonant: value below
    EXPECT_EQ(celula(5), (QStringList{"U@5.3", "3@0.5"}));  // a vowel: value above
    EXPECT_EQ(celula(3), QStringList{});                    // the space between words
    EXPECT_EQ(s.textos().last().texto, QStringLiteral("t2"));
}

// A section whose picture does not fit under the text before it starts the next page with
// its title and the whole picture, whatever the text's length.
TEST(QuadrosMapaTest, QuadroNuncaCortadoEntrePaginas) {
    Analise a = analiseMapa(QStringLiteral("MARIA DA SILVA"));
    QStringList linhas;
    for (int n = 30; n <= 60; ++n) {
        linhas.clear();
        for (int i = 0; i < n; ++i) {
            linhas << QStringLiteral("linha");
        }
        a[1] = {QStringLiteral("T1"), {}, linhas.join(QStringLiteral("\r\n")), QStringLiteral("1")};
        const FolhasTeste folhas = dispoeSo(a, 30, Margens::tela(), true);
        int paginasComGrade = 0;
        for (int p = 0; p < folhas.quantidade(); ++p) {
            bool titulo = false;
            for (const auto& t : folhas.folha(p).textos()) {
                titulo = titulo || t.texto == QStringLiteral("Lições Cármicas");
            }
            int tracos = 0;
            for (const auto& r : folhas.folha(p).retangulos()) {
                if (r.x1 >= 12 - kTol && r.x2 <= 12 + 60.3 + kTol && r.y2 - r.y1 > 30) {
                    ++tracos; // the vertical lines of the grid
                    EXPECT_LE(r.y2, LayoutAnalise::limiteTexto(297, Margens::tela())) << n;
                }
            }
            EXPECT_EQ(titulo, tracos > 0) << n; // the title goes with its picture
            if (tracos > 0) {
                EXPECT_EQ(tracos, 4) << n;
                ++paginasComGrade;
            }
        }
        EXPECT_EQ(paginasComGrade, 1) << n;
    }
}

// A letter chart taller than a page (hundreds of letters, one word of them longer than a row)
// goes in bands of rows, each on a page: every letter is drawn once, none past the text's
// limit, and the totals close the last band only.
TEST(QuadrosMapaTest, MapaDeLetrasMaiorQueAPaginaEmFaixas) {
    QString nome = QString(400, u'B');
    for (int i = 0; i < 60; ++i) {
        nome += QStringLiteral(" MARIANA");
    }
    const FolhasTeste folhas = dispoeSo(analiseMapa(nome), 29, Margens::padrao());
    int letras = 0, totais = 0, paginasComLetras = 0;
    for (int p = 0; p < folhas.quantidade(); ++p) {
        bool comLetras = false;
        for (const auto& t : folhas.folha(p).textos()) {
            if (t.fonte.negrito && t.fonte.tamanho == QuadroLetras::kPontosLetra &&
                t.texto.size() == 1) {
                EXPECT_LE(t.y, LayoutAnalise::limiteTexto(297, Margens::padrao())) << p;
                ++letras;
                comLetras = true;
            }
            totais += t.texto.startsWith(QStringLiteral("Todas as letras")) ? 1 : 0;
        }
        paginasComLetras += comLetras ? 1 : 0;
    }
    EXPECT_EQ(letras, 400 + 60 * 7);
    EXPECT_EQ(totais, 1);
    EXPECT_GE(paginasComLetras, 2);
}

// Section 34 draws the line of life between its title and its text, whole on one page, and
// carries the same periods as text for the exports.
TEST(QuadrosMapaTest, LinhaDaVidaDesenhadaNaSecao34) {
    const Analise a = analiseMapa(QStringLiteral("MARIA DA SILVA"));
    EXPECT_TRUE(a[34].Quadro.linhasTexto.last().contains(QStringLiteral("48 anos")));
    const FolhasTeste folhas = dispoeSo(a, 34, Margens::tela());
    int paginasComEixo = 0;
    for (int p = 0; p < folhas.quantidade(); ++p) {
        bool eixo = false;
        for (const auto& t : folhas.folha(p).textos()) {
            eixo = eixo || t.texto == QStringLiteral("Idade");
        }
        if (eixo) {
            ++paginasComEixo;
            EXPECT_GT(folhas.folha(p).retangulos().size(), 10);
        }
    }
    EXPECT_EQ(paginasComEixo, 1);
}

} // namespace
} // namespace vidalume
