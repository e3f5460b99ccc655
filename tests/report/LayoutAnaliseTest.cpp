// The layout of a whole analysis on recording sheets (characters 0.2 mm per point wide,
// lines 0.4 mm per point high; screen geometry: 210 x 297 mm, margins 10, 5, 10, 5; default
// fonts: explanation 10 pt, title 14 pt, text 12 pt).
#include "report/LayoutAnalise.h"
#include "composer/ComporAnalise.h"
#include "composer/PartesSecao.h"
#include "composer/TextosRepetidos.h"
#include "tests/ArquivosTeste.h"
#include "tests/suporte/FolhasTeste.h"
#include "texts/ArquivoInterpretacao.h"

namespace vidalume {
namespace {

using teste::separaPalavras;

constexpr double kTol = 0.01;
constexpr double largura = 210; // mm, unless a test lays out other widths

Diagramacao com(Diagramacao d, const Analise& analise) {
    d.analise = analise;
    return d;
}

// The analysis of Maria da Silva with the screen margins (10, 5, 10, 5) and the sections
// `selecionadas` (all when none is given).
Diagramacao parametros(std::initializer_list<int> selecionadas = {}) {
    Diagramacao p;
    p.margens = Margens::tela();
    p.NomeAnalise = QStringLiteral("MARIA DA SILVA");
    p.DataNascimento = QStringLiteral("29/11/1978");
    if (selecionadas.size() > 0) {
        p.selecao.fill(0);
        for (const int k : selecionadas) {
            p.selecao[k] = -1;
        }
    }
    return p;
}

Analise analiseSimples() {
    Analise a;
    for (int k = 1; k <= 28; ++k) {
        a[k] = {QStringLiteral("T%1").arg(k), QStringLiteral("Explicação %1").arg(k),
                QStringLiteral("X%1").arg(k), QString::number(k % 9 + 1)};
    }
    return a;
}

QString linhas(int n, const QString& prefixo = QStringLiteral("linha")) {
    QStringList l;
    for (int i = 1; i <= n; ++i) {
        l << QStringLiteral("%1 %2").arg(prefixo).arg(i);
    }
    return l.join(QStringLiteral("\r\n"));
}

// The strings drawn between the header band (on a page with a header bar) and the footer.
QList<SuperficieTeste::TextoDesenhado> corpo(const SuperficieTeste& s) {
    const bool cabecalho = !s.retangulos().isEmpty() && qAbs(s.retangulos()[0].y1 - 29) < kTol;
    QList<SuperficieTeste::TextoDesenhado> c;
    for (const auto& d : s.textos()) {
        if (d.y >= (cabecalho ? 30 : 0) && d.y < 280) {
            c.append(d);
        }
    }
    return c;
}

QStringList palavrasDesenhadas(const FolhasTeste& folhas) {
    QStringList p;
    for (int i = 0; i < folhas.quantidade(); ++i) {
        for (const auto& d : corpo(folhas.folha(i))) {
            p << separaPalavras(d.texto);
        }
    }
    return p;
}

// With a cover sheet before page one; an empty face or size draws the role's default.
TEST(LayoutAnaliseTest, SectionsStackExplanationTitleTextAndDivider) {
    Diagramacao p = parametros({1, 2, 26});
    p.configuracao.ImprimirNumero = -1;
    p.folhaRosto = true;
    p.fontes.FonteTitulo = DadosFonte::cria(QString(), false, true, 0);
    Analise a = analiseSimples();
    a[2].Descricao = QStringLiteral("curta"); // five characters: left out
    a[26].Numero = QStringLiteral("A");
    FolhasTeste folhas;
    EXPECT_EQ(LayoutAnalise(com(p, a), largura).dispoe(folhas), 1);
    ASSERT_EQ(folhas.quantidade(), 2);
    EXPECT_EQ(folhas.folha(0).figuras()[0].figura, Figura::borda());
    QStringList desenho;
    for (const auto& d : corpo(folhas.folha(1))) {
        EXPECT_NEAR(d.x, 12, kTol);
        desenho << QStringLiteral("%1@%2/%3 %4%5")
                       .arg(d.texto)
                       .arg(d.y, 0, 'f', 2)
                       .arg(d.fonte.nome)
                       .arg(d.fonte.tamanho)
                       .arg(d.fonte.italico ? "i" : "");
    }
    EXPECT_EQ(desenho,
              (QStringList{"Explicação 1@32.00/Arial 10i", "T1 Número 2@41.00/Courier New 14i",
                           "X1@51.60/Times New Roman 12", "T2 Número 3@69.40/Courier New 14i",
                           "X2@80.00/Times New Roman 12", "Explicação 26@97.80/Arial 10i",
                           "T26 Letra A@106.80/Courier New 14i", "X26@117.40/Times New Roman 12"}));

    // A font record that cannot be used keeps the surface's font.
    SuperficieTeste s;
    LayoutAnalise::AplicaFonte(s, DadosFonte::cria(QStringLiteral("   "), true, false, 0));
    EXPECT_EQ(s.fonte(), (FonteSuperficie{"Times New Roman", 12, true, false}));
}

// The closing paragraph follows the last divider in the explanation font, with no section
// selected and the explanations off too.
TEST(LayoutAnaliseTest, ClosingParagraphWhateverTheOptions) {
    Diagramacao p = parametros({1});
    p.configuracao.ImprimirDescricao = 0;
    Analise a = analiseSimples();
    a.Aviso = QStringLiteral("Aviso final.");
    FolhasTeste folhas;
    LayoutAnalise(com(p, a), largura).dispoe(folhas);
    const auto c = corpo(folhas.folha(0));
    ASSERT_FALSE(c.isEmpty());
    EXPECT_EQ(c.last().texto, QStringLiteral("Aviso final."));
    EXPECT_EQ(c.last().fonte.nome, QStringLiteral("Arial"));
    const auto& divisoria = folhas.folha(0).figuras().last();
    EXPECT_EQ(divisoria.figura, Figura::divisoria());
    EXPECT_GT(c.last().y, divisoria.y);

    p.selecao.fill(0);
    FolhasTeste vazia;
    LayoutAnalise(com(p, a), largura).dispoe(vazia);
    ASSERT_EQ(corpo(vazia.folha(0)).size(), 1);
    EXPECT_EQ(corpo(vazia.folha(0))[0].texto, QStringLiteral("Aviso final."));
}

// Entry 1 with a title and a text of the given numbers of lines, entry 2 after it, no
// explanations: what starts the second page (no header there: the top margin, 5 mm).
TEST(LayoutAnaliseTest, WhatDoesNotFitStartsTheNextPage) {
    struct Caso {
        int linhasTitulo, linhasTexto;
        const char* primeiro; // the first string on page 2, 8 mm below a divider
    };
    // The divider at 258.8: the next title would start at 266.8 and end past 272. Then a
    // divider that would not fit, and a text that would not fit.
    const Caso casos[] = {{1, 44, "T2"}, {1, 46, "T2"}, {43, 1, "linha 1"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linhasTexto);
        Diagramacao p = parametros({1, 2});
        p.configuracao.ImprimirDescricao = 0;
        Analise a = analiseSimples();
        a[1].Titulo = linhas(c.linhasTitulo, QStringLiteral("título"));
        a[1].Texto = linhas(c.linhasTexto);
        FolhasTeste folhas;
        LayoutAnalise(com(p, a), largura).dispoe(folhas);
        ASSERT_EQ(folhas.quantidade(), 2);
        const auto primeira = corpo(folhas.folha(1))[0];
        EXPECT_EQ(primeira.texto, QString::fromUtf8(c.primeiro));
        // The divider that did not fit opens page 2, the sign alone on page 1.
        const bool divisoriaAbre = c.linhasTexto == 46;
        if (divisoriaAbre) {
            EXPECT_EQ(folhas.folha(0).figuras().size(), 1);
        }
        EXPECT_NEAR(primeira.y, divisoriaAbre ? 13 : 5, kTol);
    }
}

// The first page holding a drawn string that contains `texto`; -1 when none does.
int paginaDe(const FolhasTeste& folhas, const QString& texto) {
    for (int i = 0; i < folhas.quantidade(); ++i) {
        for (const auto& d : corpo(folhas.folha(i))) {
            if (d.texto.contains(texto)) {
                return i;
            }
        }
    }
    return -1;
}

// Wherever the previous section ends, an explanation starts on the page of its title, and a
// title, or a heading inside a text, on the page of the first lines after it.
TEST(LayoutAnaliseTest, HeadingsKeepTheirExplanationAndFirstLines) {
    for (int n = 30; n <= 48; ++n) {
        SCOPED_TRACE(n);
        Diagramacao p = parametros({1, 2});
        Analise a = analiseSimples();
        a[1].Texto = linhas(n);
        a[2].Descricao = QStringLiteral("Explicação de dois\r\nparágrafos");
        a[2].Texto = QStringLiteral("primeira\r\nsegunda\r\nSubtítulo:\r\ndepois");
        FolhasTeste folhas;
        LayoutAnalise(com(p, a), largura).dispoe(folhas);
        const int titulo = paginaDe(folhas, QStringLiteral("T2"));
        EXPECT_EQ(paginaDe(folhas, QStringLiteral("Explicação de dois")), titulo);
        EXPECT_EQ(paginaDe(folhas, QStringLiteral("segunda")), titulo);
        EXPECT_EQ(paginaDe(folhas, QStringLiteral("Subtítulo:")),
                  paginaDe(folhas, QStringLiteral("depois")));
    }
}

// The closing paragraph never opens a page alone: wherever the last section's text ends,
// its last two lines go to the page of the closing paragraph, and no word is lost or drawn
// twice.
TEST(LayoutAnaliseTest, ClosingParagraphTakesTheLastLinesAlong) {
    const QString aviso = QStringLiteral("Aviso de duas linhas ") + QString(70, u'x');
    for (int n = 600; n <= 800; n += 4) {
        SCOPED_TRACE(n);
        Diagramacao p = parametros({1});
        p.configuracao.ImprimirDescricao = 0;
        Analise a = analiseSimples();
        QStringList palavras;
        for (int i = 1; i < n; ++i) {
            palavras << QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0'));
        }
        a[1].Texto = (palavras << QStringLiteral("fim")).join(u' ');
        a.Aviso = aviso;
        FolhasTeste folhas;
        LayoutAnalise(com(p, a), largura).dispoe(folhas);
        const int pagina = paginaDe(folhas, QStringLiteral("Aviso"));
        EXPECT_EQ(paginaDe(folhas, QStringLiteral("fim")), pagina);
        int linhasTexto = 0;
        for (const auto& d : corpo(folhas.folha(pagina))) {
            linhasTexto += d.fonte.nome == QStringLiteral("Times New Roman");
        }
        EXPECT_GE(linhasTexto, 2);
        EXPECT_EQ(palavrasDesenhadas(folhas),
                  separaPalavras(a[1].Titulo) + separaPalavras(a[1].Texto) + separaPalavras(aviso));
    }
    // A last text no longer than the lines kept with its title takes the title along.
    for (int n = 38; n <= 50; ++n) {
        Diagramacao p = parametros({1, 2});
        p.configuracao.ImprimirDescricao = 0;
        Analise a = analiseSimples();
        a[1].Texto = linhas(n);
        a.Aviso = aviso;
        FolhasTeste folhas;
        LayoutAnalise(com(p, a), largura).dispoe(folhas);
        EXPECT_EQ(paginaDe(folhas, QStringLiteral("T2")), paginaDe(folhas, QStringLiteral("Aviso")))
            << n;
    }
}

// Every word of every selected section of a real analysis is drawn once, in order, at every
// size the fonts dialog offers, on a narrow and on a wide screen page.
TEST(LayoutAnaliseTest, ShippedAnalysisLosesNoWordAtAnySize) {
    const Analise a = ComporAnalise::compoe(
        QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"), QDate(2024, 6, 1),
        ArquivoInterpretacao(QStringLiteral(VIDALUME_DADOS_TESTE)));
    ASSERT_FALSE(a[1].Texto.isEmpty());
    Diagramacao p = parametros();
    p.configuracao.ImprimirNumero = -1;
    p.selecao[3] = 0;
    p.opcoesMapa = PartesSecao::semSecoesMapa(); // the sections 1 to 28 only
    // A text repeated in another position is drawn once, as the export writes it.
    const Analise r = TextosRepetidos::resume(a, p.selecao, p.opcoesMapa);
    QStringList esperado;
    for (int k = 1; k <= 28; ++k) {
        if (p.selecao[k]) {
            esperado << separaPalavras(a[k].Descricao.size() > 5 ? a[k].Descricao : QString())
                     << separaPalavras(PartesSecao::titulo(a, k, p.configuracao))
                     << separaPalavras(PartesSecao::nota(k, p.inicioAnoPessoal))
                     << separaPalavras(r[k].Texto);
        }
    }
    // The personal year, month and day name the start of the personal year under the title.
    EXPECT_TRUE(esperado.join(u' ').contains(QStringLiteral("começa em 1º de janeiro.")));
    esperado << separaPalavras(a.Aviso); // the closing paragraph, last
    for (const double largura : {210.0, 457.0}) {
        for (int tamanho = 6; tamanho <= 22; tamanho += 2) {
            p.fontes.FonteTitulo.Tamanho = p.fontes.FonteDescricao.Tamanho =
                p.fontes.FonteTexto.Tamanho = static_cast<qint16>(tamanho);
            FolhasTeste folhas(largura);
            LayoutAnalise(com(p, a), largura).dispoe(folhas);
            EXPECT_EQ(palavrasDesenhadas(folhas), esperado) << largura << " mm, " << tamanho;
        }
    }
    // A size no dialog offers, read from a damaged fonts file, is drawn at the largest one
    // instead of laying out thousands of pages.
    int paginas[2] = {};
    for (const int tamanho : {72, 32767}) {
        p.fontes.FonteTexto.Tamanho = static_cast<qint16>(tamanho);
        FolhasTeste folhas(210);
        LayoutAnalise(com(p, a), largura).dispoe(folhas);
        paginas[tamanho == 72 ? 0 : 1] = folhas.quantidade();
    }
    EXPECT_EQ(paginas[0], paginas[1]);
    EXPECT_LT(paginas[1], 400);
}

} // namespace
} // namespace vidalume
