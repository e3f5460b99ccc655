// The print job on a PDF printer, read back with poppler's tools: every word, the footer and
// the page numbers on every page, and margins that leave no room. (The cover,
// the text column inside the margins and a file that cannot be written are read back from
// the command-line PDFs and the print dialog.)
#include "cli/pdf/ComandoPdf.h"
#include "composer/ComporAnalise.h"
#include "composer/PartesSecao.h"
#include "composer/TextoExportacao.h"
#include "gui/impressao/TrabalhoImpressao.h"
#include "printing/painter/GravacaoPdf.h"
#include "report/FabricaFolhas.h"
#include "report/LayoutAnalise.h"
#include "report/painter/GravadorPagina.h"
#include "report/painter/SuperficiePintor.h"
#include "tests/impressao/AmbienteImpressao.h"
#include "texts/ArquivoInterpretacao.h"

#include <QPrinter>

#include <algorithm>
#include <memory>

namespace vidalume::teste {
namespace {

// At 22 points, so that long words and blocks meet the column's width and the page's end.
Diagramacao pedido(const PastaPrograma& pasta) {
    Diagramacao p;
    p.pastaPrograma = pasta.caminho();
    p.NomeAnalise = kNome;
    p.DataNascimento = kNascimento;
    p.analise =
        ComporAnalise::compoe(kNome, kNascimento, kHoje, ArquivoInterpretacao(pasta.caminho()));
    p.linhas.RodapeLinhaUm = QStringLiteral("Consultora Ana Souza");
    // The map's pictures are not text on the page: its sections are checked on their own.
    p.opcoesMapa = PartesSecao::semSecoesMapa();
    for (DadosFonte* f : {&p.fontes.FonteTitulo, &p.fontes.FonteDescricao, &p.fontes.FonteTexto}) {
        f->Tamanho = 22;
    }
    return p;
}

// What went wrong, or an empty text.
QString imprimePdf(const QString& arquivo, const Diagramacao& p) {
    QPrinter impressora(QPrinter::HighResolution);
    TrabalhoImpressao::preparaPdf(impressora, arquivo);
    QString erro;
    return TrabalhoImpressao::imprime(impressora, p, &erro) ? QString() : erro;
}

// At 22 points every word of the analysis, as the export joins it, is on the pages as often
// as there, and every page has its number and the footer.
TEST(ImpressaoPdfTest, EveryWordOnNumberedPagesAt22PointFonts) {
    PastaPrograma pasta;
    const Diagramacao p = pedido(pasta);
    const QString arquivo = pasta.arquivo(QStringLiteral("analise.pdf"));
    ASSERT_EQ(imprimePdf(arquivo, p), QString());
    const PdfLido pdf(arquivo);
    ASSERT_GT(pdf.paginas().size(), 20);

    const Analise& a = p.analise;
    QMap<QString, int> faltam; // how often each word is yet to be found
    for (const QString& w :
         separaPalavras(TextoExportacao::monta(a, p.configuracao, p.selecao, p.opcoesMapa))) {
        faltam[w] += w.startsWith(QStringLiteral("-=-=")) ? 0 : 1;
    }
    for (const PaginaPdf& pagina : pdf.paginas()) {
        for (const PalavraPdf& w : pagina.palavras) {
            --faltam[w.texto];
        }
    }
    for (auto it = faltam.cbegin(); it != faltam.cend(); ++it) {
        EXPECT_LE(it.value(), 0) << it.key().toStdString();
    }

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

// The sheets a layout asks for, drawn with the real fonts into recordings that are dropped:
// only their number is kept.
class FolhasContadas : public FabricaFolhas {
public:
    SuperficieDesenho& ProximaFolha() override {
        superficie_.reset();
        gravador_ = std::make_unique<GravadorPagina>(nullptr);
        superficie_ = std::make_unique<SuperficiePintor>(*gravador_, 210, 297);
        ++quantas;
        return *superficie_;
    }
    int quantas = 0;

private:
    std::unique_ptr<GravadorPagina> gravador_;
    std::unique_ptr<SuperficiePintor> superficie_;
};

// The words of a page line by line from the top, each line from the left (the document
// draws some headings word by word, not in reading order).
QList<PalavraPdf> emOrdemDeLeitura(QList<PalavraPdf> palavras) {
    std::stable_sort(palavras.begin(), palavras.end(),
                     [](const PalavraPdf& a, const PalavraPdf& b) { return a.yMin < b.yMin; });
    for (qsizetype inicio = 0; inicio < palavras.size();) {
        qsizetype fim = inicio + 1;
        while (fim < palavras.size() && palavras[fim].yMin - palavras[inicio].yMin < 1) {
            ++fim;
        }
        std::stable_sort(palavras.begin() + inicio, palavras.begin() + fim,
                         [](const PalavraPdf& a, const PalavraPdf& b) { return a.xMin < b.xMin; });
        inicio = fim;
    }
    return palavras;
}

// A PDF file of an analysis holds what its layout lays out, whatever the writer does to make
// it faster: as many pages as the layout takes with the same fonts, cover included; the
// exported text, accents and all, word for word and in its order, with nothing but the
// headers and footers between; and every font embedded.
TEST(ImpressaoPdfTest, PdfFileHoldsTheLayoutPagesAndTheExportedTextInOrder) {
    PastaPrograma pasta;
    Diagramacao p = ComandoPdf::configuracaoDaPasta({pasta.caminho(), true, false}); // --capa
    p.NomeAnalise = QStringLiteral("CONCEIÇÃO ARAÚJO");
    p.opcoesMapa = PartesSecao::semSecoesMapa();
    p.DataNascimento = kNascimento;
    p.analise = ComporAnalise::compoe(p.NomeAnalise, p.DataNascimento, kHoje,
                                      ArquivoInterpretacao(pasta.caminho()));
    const QString arquivo = pasta.arquivo(QStringLiteral("analise.pdf"));
    QString erro;
    ASSERT_TRUE(GravacaoPdf::grava(arquivo, p, &erro)) << erro.toStdString();

    FolhasContadas folhas;
    LayoutAnalise(p, GravacaoPdf::area().width(), GravacaoPdf::area().height()).dispoe(folhas);
    const PdfLido pdf(arquivo);
    ASSERT_GT(folhas.quantas, 5);
    EXPECT_EQ(pdf.paginas().size(), folhas.quantas);
    EXPECT_TRUE(pdf.paginas()[1].contem(QStringLiteral("CONCEIÇÃO ARAÚJO")));

    QStringList esperadas;
    for (const QString& w : separaPalavras(
             TextoExportacao::monta(p.analise, p.configuracao, p.selecao, p.opcoesMapa))) {
        if (!w.startsWith(QStringLiteral("-=-="))) {
            esperadas << w;
        }
    }
    qsizetype achadas = 0;
    qsizetype outras = 0;
    for (const PaginaPdf& pagina : pdf.paginas()) {
        for (const PalavraPdf& w : emOrdemDeLeitura(pagina.palavras)) {
            if (achadas < esperadas.size() && w.texto == esperadas[achadas]) {
                ++achadas;
            } else {
                ++outras;
            }
        }
    }
    ASSERT_GT(esperadas.size(), 1000);
    EXPECT_EQ(achadas, esperadas.size())
        << "missing from: " << esperadas.mid(achadas, 12).join(u' ').toStdString();
    EXPECT_LT(outras, 40 * pdf.paginas().size()); // titles, headers and footers only

    QProcess fontes;
    fontes.start(QStringLiteral("pdffonts"), {arquivo});
    ASSERT_TRUE(fontes.waitForFinished(30000));
    const QStringList linhas =
        QString::fromUtf8(fontes.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(linhas.size(), 3); // the two heading lines, then one line per font
    for (const QString& linha : linhas.mid(2)) {
        const QStringList colunas = linha.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(colunas.size(), 6) << linha.toStdString();
        EXPECT_EQ(colunas[colunas.size() - 5], QStringLiteral("yes")) << linha.toStdString();
    }
}

// A PDF takes the place of an existing file only when finished: a refused job (margins that
// leave no room for the text column) leaves the old file as it was, and no temporary file
// stays behind.
TEST(ImpressaoPdfTest, AnExistingFileIsReplacedOnlyByAFinishedDocument) {
    PastaPrograma pasta;
    const QString arquivo = pasta.arquivo(QStringLiteral("saida/analise.pdf"));
    ASSERT_TRUE(QDir().mkpath(pasta.arquivo(QStringLiteral("saida"))));
    pasta.escreve(QStringLiteral("saida/analise.pdf"), "documento anterior");
    Diagramacao semEspaco = pedido(pasta);
    semEspaco.margens = {120, 10, 90, 10};
    QString erro;
    EXPECT_FALSE(GravacaoPdf::grava(arquivo, semEspaco, &erro));
    EXPECT_TRUE(erro.startsWith(QStringLiteral("As margens não deixam")));
    EXPECT_EQ(pasta.conteudo(QStringLiteral("saida/analise.pdf")), "documento anterior");

    ASSERT_TRUE(GravacaoPdf::grava(arquivo, pedido(pasta), &erro)) << erro.toStdString();
    EXPECT_GT(PdfLido(arquivo).paginas().size(), 5);
    EXPECT_EQ(QDir(pasta.arquivo(QStringLiteral("saida"))).entryList(QDir::Files),
              QStringList{QStringLiteral("analise.pdf")});
    // The finished document is known as the program's own; another PDF, even one that
    // names the program elsewhere, is not.
    EXPECT_TRUE(GravacaoPdf::feitoPeloPrograma(arquivo));
    pasta.escreve(QStringLiteral("saida/outro.pdf"),
                  "%PDF-1.4\n1 0 obj\n<< /Creator (Vidalume) >>\nendobj\n%%EOF\n");
    EXPECT_FALSE(GravacaoPdf::feitoPeloPrograma(pasta.arquivo(QStringLiteral("saida/outro.pdf"))));
    // "Vidalume" in UTF-16, high byte first, after its byte order mark.
    pasta.escreve(QStringLiteral("saida/proprio.pdf"),
                  "%PDF-1.4\n<< /Creator (" +
                      QByteArray::fromHex("feff0056006900640061006c0075006d0065") +
                      ") >>\n%%EOF\n");
    EXPECT_TRUE(GravacaoPdf::feitoPeloPrograma(pasta.arquivo(QStringLiteral("saida/proprio.pdf"))));
    EXPECT_FALSE(GravacaoPdf::feitoPeloPrograma(pasta.arquivo(QStringLiteral("saida"))));
}

// A printer and a PDF of the same paper give the same pages: a printer's unprintable edges
// and resolution change neither the page count nor where each page begins, on A4 and on
// Letter; the count the print dialog shows is the pages printed.
TEST(ImpressaoPdfTest, PrinterAndPdfOfOnePaperGiveTheSamePages) {
    PastaPrograma pasta;
    Diagramacao p = pedido(pasta);
    p.opcoesMapa = {}; // the whole analysis, map included
    // Each page's words in order: the same pages, and the same line breaks on them.
    const auto paginas = [](const QString& arquivo) {
        QStringList textos;
        const PdfLido pdf(arquivo);
        for (const PaginaPdf& pagina : pdf.paginas()) {
            QStringList palavras;
            for (const PalavraPdf& w : pagina.palavras) {
                palavras << w.texto;
            }
            textos << palavras.join(u' ');
        }
        return textos;
    };
    for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter}) {
        const QPageSize papel(id);
        const QString pdf = pasta.arquivo(QStringLiteral("papel.pdf"));
        QString erro;
        ASSERT_TRUE(GravacaoPdf::grava(pdf, p, &erro, papel)) << erro.toStdString();
        const QStringList esperadas = paginas(pdf);
        EXPECT_EQ(GravacaoPdf::paginas(p, papel), esperadas.size());
        for (const int dpi : {300, 600}) {
            // A printer that cannot reach 5 mm of each edge, as laser printers do.
            QPrinter impressora(QPrinter::HighResolution);
            impressora.setOutputFormat(QPrinter::PdfFormat);
            impressora.setOutputFileName(pasta.arquivo(QStringLiteral("impressora.pdf")));
            impressora.setResolution(dpi);
            impressora.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
            TrabalhoImpressao::definePapel(impressora, papel);
            ASSERT_TRUE(TrabalhoImpressao::imprimeNaImpressora(impressora, p, &erro))
                << erro.toStdString();
            EXPECT_EQ(paginas(impressora.outputFileName()), esperadas)
                << papel.name().toStdString() << " " << dpi;
        }
    }
}

} // namespace
} // namespace vidalume::teste
