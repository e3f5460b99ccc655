// The print job on a PDF printer, read back with poppler's tools: every word, the page
// frames, the cover, the text column inside the margins, grey pictures, the errors.
#include "AmbienteImpressao.h"
#include "ArquivoInterpretacao.h"
#include "ComporAnalise.h"
#include "TextoExportacao.h"
#include "TrabalhoImpressao.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace vidalume::teste {
namespace {

PedidoImpressao pedido(const PastaTeste& pasta, int tamanhoFontes = 0) {
    PedidoImpressao p;
    p.pastaPrograma = pasta.caminho();
    p.NomeAnalise = kNome;
    p.DataNascimento = kNascimento;
    p.hoje = kHoje;
    p.linhas.RodapeLinhaUm = QStringLiteral("Consultora Ana Souza");
    if (tamanhoFontes > 0) {
        for (DadosFonte* f :
             {&p.fontes.FonteTitulo, &p.fontes.FonteDescricao, &p.fontes.FonteTexto}) {
            f->Tamanho = static_cast<qint16>(tamanhoFontes);
        }
    }
    return p;
}

QString imprimePdf(const QString& arquivo, const PedidoImpressao& p) {
    QPrinter impressora(QPrinter::HighResolution);
    TrabalhoImpressao::preparaPdf(impressora, arquivo);
    return TrabalhoImpressao::imprime(impressora, p);
}

// Every word of the analysis as the export joins it is on the pages, as often as there.
void esperaTodasAsPalavras(const PdfLido& pdf, const PedidoImpressao& p) {
    const Analise a = ComporAnalise::compoe(p.NomeAnalise, p.DataNascimento, p.hoje,
                                            ArquivoInterpretacao(p.pastaPrograma));
    QMap<QString, int> esperadas;
    for (const QString& w : separaPalavras(TextoExportacao::monta(a, p.configuracao, p.selecao))) {
        if (!w.startsWith(QStringLiteral("-=-="))) {
            ++esperadas[w];
        }
    }
    const QMap<QString, int> achadas = pdf.contagem();
    for (auto it = esperadas.cbegin(); it != esperadas.cend(); ++it) {
        EXPECT_GE(achadas.value(it.key()), it.value()) << it.key().toStdString();
    }
}

TEST(ImpressaoPdfTest, EveryWordOnNumberedPagesWithTheHeaderAtDefaultAnd22PointFonts) {
    PastaTeste pasta;
    // The life path text of the test person (2) made long enough to need three pages at 22
    // points: a block goes on over every page it needs.
    QStringList longo;
    for (int i = 1; i <= 700; ++i) {
        longo << QStringLiteral("w%1").arg(i, 4, 10, QLatin1Char('0'));
    }
    ASSERT_TRUE(ArquivoInterpretacao(pasta.caminho())
                    .GravaTextoInterpretacao(2, QStringLiteral("CVIDA.DAT"), longo.join(u' ')));
    for (const int tamanho : {0, 22}) {
        SCOPED_TRACE(tamanho);
        const PedidoImpressao p = pedido(pasta, tamanho);
        const QString arquivo = pasta.arquivo(QStringLiteral("analise.pdf"));
        ASSERT_EQ(imprimePdf(arquivo, p), QString());
        const PdfLido pdf(arquivo);
        EXPECT_TRUE(pdf.a4Retrato());
        ASSERT_GT(pdf.paginas().size(), tamanho == 22 ? 20 : 5);
        esperaTodasAsPalavras(pdf, p);
        int primeira = -1, ultima = -1;
        for (int n = 0; n < pdf.paginas().size(); ++n) {
            primeira = primeira < 0 && pdf.paginas()[n].contem(longo.first()) ? n : primeira;
            ultima = pdf.paginas()[n].contem(longo.last()) ? n : ultima;
        }
        EXPECT_GE(ultima - primeira, tamanho == 22 ? 2 : 0);
        EXPECT_TRUE(pdf.paginas()[0].contem(QStringLiteral("Sua vida através da Vidalume")));
        EXPECT_TRUE(pdf.paginas()[0].contem(kNome));
        EXPECT_TRUE(pdf.paginas()[0].contem(QStringLiteral("29 de novembro de 1978")));
        for (int n = 1; n <= pdf.paginas().size(); ++n) {
            const PaginaPdf& pagina = pdf.paginas()[n - 1];
            EXPECT_TRUE(pagina.contem(QStringLiteral("Consultora Ana Souza"))) << n;
            // The number stands on the bottom and right margins (10 mm).
            EXPECT_TRUE(std::any_of(pagina.palavras.cbegin(), pagina.palavras.cend(),
                                    [&](const PalavraPdf& w) {
                                        return w.texto == QString::number(n) &&
                                               std::abs(w.xMax - 200) < 0.1 && w.yMax > 284 &&
                                               w.yMax < 287.5;
                                    }))
                << "page " << n;
        }
    }
}

TEST(ImpressaoPdfTest, CoverComesFirstAndTheTextColumnLiesInsideTheMargins) {
    PastaTeste pasta;
    PedidoImpressao p = pedido(pasta);
    p.folhaRosto = true;
    p.margens = {25, 12, 15, 8}; // left, top, right, bottom
    const QString arquivo = pasta.arquivo(QStringLiteral("capa.pdf"));
    ASSERT_EQ(imprimePdf(arquivo, p), QString());
    const PdfLido pdf(arquivo);
    ASSERT_GT(pdf.paginas().size(), 2);
    QStringList capa;
    for (const PalavraPdf& w : pdf.paginas()[0].palavras) {
        capa << w.texto;
    }
    EXPECT_EQ(capa, QStringList({QStringLiteral("Análise"), QStringLiteral("Numerológica")}));
    EXPECT_TRUE(pdf.paginas()[1].contem(kNome));

    // Between the header bar (top + 25) and the footer bar (297 - bottom - 12), every word
    // lies within left + 2 and 210 - right - 2, and many lines touch both edges.
    const double esquerda = 25 + 2, direita = 210 - 15 - 2;
    int naEsquerda = 0, naDireita = 0;
    for (int n = 1; n < pdf.paginas().size(); ++n) {
        for (const PalavraPdf& w : pdf.paginas()[n].palavras) {
            if (w.yMin > 12 + 25 && w.yMax < 297 - 8 - 12) {
                EXPECT_GE(w.xMin, esquerda - 0.05) << w.texto.toStdString() << " page " << n;
                EXPECT_LE(w.xMax, direita + 0.05) << w.texto.toStdString() << " page " << n;
                naEsquerda += std::abs(w.xMin - esquerda) < 0.05;
                naDireita += std::abs(w.xMax - direita) < 0.05;
            }
        }
    }
    EXPECT_GT(naEsquerda, 100);
    EXPECT_GT(naDireita, 100);
}

TEST(ImpressaoPdfTest, FailuresComeBackAsMessagesInPortuguese) {
    PastaTeste pasta;
    const QString semPasta = pasta.arquivo(QStringLiteral("nao/existe/analise.pdf"));
    EXPECT_TRUE(imprimePdf(semPasta, pedido(pasta))
                    .startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
    PedidoImpressao p = pedido(pasta);
    p.margens = {120, 10, 90, 10}; // no room left for the text column
    const QString arquivo = pasta.arquivo(QStringLiteral("margens.pdf"));
    EXPECT_TRUE(imprimePdf(arquivo, p).startsWith(QStringLiteral("As margens não deixam")));
    EXPECT_FALSE(QFile::exists(arquivo));
}

} // namespace
} // namespace vidalume::teste
