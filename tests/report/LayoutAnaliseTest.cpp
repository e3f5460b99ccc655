// The layout of a whole analysis on recording sheets (characters 0.2 mm per point wide,
// lines 0.4 mm per point high; screen geometry: 210 x 297 mm, margins 10, 5, 10, 5; default
// fonts: explanation 10 pt, title 14 pt, text 12 pt).
#include "LayoutAnalise.h"
#include "ArquivoInterpretacao.h"
#include "ComporAnalise.h"
#include "FolhasTeste.h"
#include "TextoExportacao.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace vidalume {
namespace {

constexpr double kTol = 0.01;

ParametrosLayout parametros(std::initializer_list<int> selecionadas = {}) {
    ParametrosLayout p;
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

// The page number in the footer corner.
QString numeroPagina(const SuperficieTeste& s) {
    for (const auto& d : s.textos()) {
        if (d.y >= 280 && d.fonte.tamanho == 16) {
            return d.texto;
        }
    }
    return {};
}

QStringList palavras(const QString& texto) {
    static const QRegularExpression brancos(QStringLiteral("\\s+"));
    return texto.split(brancos, Qt::SkipEmptyParts);
}

QStringList palavrasDesenhadas(const FolhasTeste& folhas) {
    QStringList p;
    for (int i = 0; i < folhas.quantidade(); ++i) {
        for (const auto& d : corpo(folhas.folha(i))) {
            p << palavras(d.texto);
        }
    }
    return p;
}

TEST(LayoutAnaliseTest, SectionsStackExplanationTitleTextAndDivider) {
    ParametrosLayout p = parametros({1, 2, 26});
    p.configuracao.ImprimirNumero = -1;
    Analise a = analiseSimples();
    a[2].Descricao = QStringLiteral("curta"); // five characters: left out
    a[26].Numero = QStringLiteral("A");
    FolhasTeste folhas;
    EXPECT_EQ(LayoutAnalise(p).dispoe(a, folhas), 1);
    QStringList desenho;
    for (const auto& d : corpo(folhas.folha(0))) {
        EXPECT_NEAR(d.x, 12, kTol);
        desenho << QStringLiteral("%1@%2/%3 %4")
                       .arg(d.texto)
                       .arg(d.y, 0, 'f', 2)
                       .arg(d.fonte.nome)
                       .arg(d.fonte.tamanho);
    }
    EXPECT_EQ(desenho,
              (QStringList{"Explicação 1@32.00/Arial 10", "T1 Número 2@41.00/Courier New 14",
                           "X1@51.60/Times New Roman 12", "T2 Número 3@69.40/Courier New 14",
                           "X2@80.00/Times New Roman 12", "Explicação 26@97.80/Arial 10",
                           "T26 Letra A@106.80/Courier New 14", "X26@117.40/Times New Roman 12"}));
    const auto& figuras = folhas.folha(0).figuras(); // the sign, then one divider per entry
    ASSERT_EQ(figuras.size(), 4);
    const double y[] = {61.4, 89.8, 127.2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(figuras[i + 1].figura, Figura::divisoria());
        EXPECT_NEAR(figuras[i + 1].x, 50, kTol);
        EXPECT_NEAR(figuras[i + 1].y, y[i], kTol);
        EXPECT_NEAR(figuras[i + 1].largura, 110, kTol);
        EXPECT_NEAR(figuras[i + 1].altura, 3, kTol);
    }
}

// Entries 1 and 2 without explanations, entry 1 with title and text of the given number of
// lines; pages after the first have no header.
FolhasTeste dispoeComLinhas(int nTitulo, int nTexto) {
    ParametrosLayout p = parametros({1, 2});
    p.configuracao.ImprimirDescricao = 0;
    Analise a = analiseSimples();
    a[1].Titulo = linhas(nTitulo, QStringLiteral("título"));
    a[1].Texto = linhas(nTexto);
    FolhasTeste folhas;
    LayoutAnalise(p).dispoe(a, folhas);
    EXPECT_EQ(folhas.quantidade(), 2);
    return folhas;
}

TEST(LayoutAnaliseTest, TitleThatWouldEndBelowTheLimitStartsTheNextPage) {
    // The divider lies at 258.8; the next title would start at 266.8 and end past 272.
    const FolhasTeste folhas = dispoeComLinhas(1, 44);
    EXPECT_NEAR(folhas.folha(0).figuras().last().y, 258.8, kTol);
    EXPECT_EQ(corpo(folhas.folha(1))[0].texto, QStringLiteral("T2"));
    EXPECT_NEAR(corpo(folhas.folha(1))[0].y, 5, kTol); // no header: the top margin
}

TEST(LayoutAnaliseTest, DividerThatWouldNotFitOpensTheNextPage) {
    const FolhasTeste folhas = dispoeComLinhas(1, 46);
    EXPECT_EQ(folhas.folha(0).figuras().size(), 1); // the sign only
    ASSERT_EQ(folhas.folha(1).figuras().size(), 2);
    EXPECT_NEAR(folhas.folha(1).figuras()[0].y, 5, kTol);
    EXPECT_NEAR(corpo(folhas.folha(1))[0].y, 13, kTol); // 8 mm below the divider
}

TEST(LayoutAnaliseTest, TextThatWouldNotFitStartsTheNextPageInItsOwnFont) {
    const FolhasTeste folhas = dispoeComLinhas(43, 1);
    const auto primeira = corpo(folhas.folha(1))[0];
    EXPECT_EQ(primeira.texto, QStringLiteral("linha 1"));
    EXPECT_NEAR(primeira.y, 5, kTol);
    EXPECT_EQ(primeira.fonte, (FonteSuperficie{"Times New Roman", 12, false, false}));
}

// A block of 1500 lines: more than 21 pages, every line on them once, in its font.
TEST(LayoutAnaliseTest, LongBlockGoesOnOverEveryPageItNeeds) {
    ParametrosLayout p = parametros({1});
    p.configuracao.ImprimirCabecalho = -1;
    p.fontes.FonteTexto = DadosFonte::cria(QStringLiteral("Arial"), false, true, 9);
    Analise a = analiseSimples();
    a[1].Texto = linhas(1500);
    FolhasTeste folhas;
    const int paginas = LayoutAnalise(p).dispoe(a, folhas);
    EXPECT_GT(paginas, 21);
    ASSERT_EQ(folhas.quantidade(), paginas);
    EXPECT_EQ(palavrasDesenhadas(folhas),
              palavras(a[1].Descricao) + palavras(a[1].Titulo) + palavras(a[1].Texto));
    for (int i = 1; i < paginas; ++i) {
        const auto c = corpo(folhas.folha(i));
        EXPECT_NEAR(c[0].y, 32, kTol) << i; // below the header on every page
        EXPECT_EQ(c[0].fonte, (FonteSuperficie{"Arial", 9, false, true})) << i;
        EXPECT_EQ(folhas.folha(i).figuras()[0].figura, Figura::doSigno(5)) << i;
        EXPECT_EQ(numeroPagina(folhas.folha(i)), QString::number(i + 1));
    }
}

TEST(LayoutAnaliseTest, CoverSheetComesBeforePageOne) {
    ParametrosLayout p = parametros({1});
    p.folhaRosto = true;
    FolhasTeste folhas;
    EXPECT_EQ(LayoutAnalise(p).dispoe(analiseSimples(), folhas), 1);
    ASSERT_EQ(folhas.quantidade(), 2);
    EXPECT_EQ(folhas.folha(0).figuras()[0].figura, Figura::borda());
    EXPECT_EQ(folhas.folha(1).figuras()[0].figura, Figura::doSigno(5));
}

TEST(LayoutAnaliseTest, UnusableFontRecordKeepsTheSurfaceFont) {
    SuperficieTeste s;
    LayoutAnalise::AplicaFonte(s, DadosFonte::cria(QStringLiteral("   "), true, false, 0));
    EXPECT_EQ(s.fonte(), (FonteSuperficie{"Times New Roman", 12, true, false}));
}

TEST(LayoutAnaliseTest, EmptyFaceOrSizeDrawsTheRoleDefault) {
    ParametrosLayout p = parametros({1});
    p.fontes.FonteTitulo = DadosFonte::cria(QString(), false, true, 0);
    p.fontes.FonteTexto = DadosFonte::cria(QStringLiteral("  "), false, false, 20);
    FolhasTeste folhas;
    LayoutAnalise(p).dispoe(analiseSimples(), folhas);
    bool viuTitulo = false, viuTexto = false;
    for (const auto& d : corpo(folhas.folha(0))) {
        if (d.texto == QStringLiteral("T1")) {
            EXPECT_EQ(d.fonte, (FonteSuperficie{"Courier New", 14, false, true}));
            viuTitulo = true;
        } else if (d.texto == QStringLiteral("X1")) {
            EXPECT_EQ(d.fonte, (FonteSuperficie{"Times New Roman", 20, false, false}));
            viuTexto = true;
        }
    }
    EXPECT_TRUE(viuTitulo && viuTexto);
}

// Every word of every selected section of a real analysis is drawn once, in order, at every
// size the fonts dialog offers, on a narrow and on a wide screen page.
TEST(LayoutAnaliseTest, ShippedAnalysisLosesNoWordAtAnySize) {
    const Analise a = ComporAnalise::compoe(
        QStringLiteral("MARIA DA SILVA"), QStringLiteral("29/11/1978"), QDate(2024, 6, 1),
        ArquivoInterpretacao(QStringLiteral(VIDALUME_DADOS_TESTE)));
    ASSERT_FALSE(a[1].Texto.isEmpty());
    ParametrosLayout p = parametros();
    p.configuracao.ImprimirNumero = -1;
    p.selecao[3] = 0;
    QStringList esperado;
    for (int k = 1; k <= 28; ++k) {
        if (p.selecao[k]) {
            esperado << palavras(a[k].Descricao.size() > 5 ? a[k].Descricao : QString())
                     << palavras(TextoExportacao::tituloComNumero(a, k, p.configuracao))
                     << palavras(a[k].Texto);
        }
    }
    for (const double largura : {210.0, 457.0}) {
        for (int tamanho = 6; tamanho <= 22; tamanho += 2) {
            p.larguraPagina = largura;
            p.fontes.FonteTitulo.Tamanho = p.fontes.FonteDescricao.Tamanho =
                p.fontes.FonteTexto.Tamanho = static_cast<qint16>(tamanho);
            FolhasTeste folhas(largura);
            LayoutAnalise(p).dispoe(a, folhas);
            EXPECT_EQ(palavrasDesenhadas(folhas), esperado) << largura << " mm, " << tamanho;
        }
    }
}

} // namespace
} // namespace vidalume
