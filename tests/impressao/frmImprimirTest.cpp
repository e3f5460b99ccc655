// The print dialog: its opening, the preview that follows each accepted keystroke, the
// margin messages, Enter and Esc, and what is saved when printing works or fails.
#include "frmImprimir.h"
#include "AmbienteImpressao.h"
#include "TrabalhoImpressao.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

namespace vidalume::teste {
namespace {

class frmImprimirTest : public ::testing::Test {
protected:
    frmImprimirTest() {
        TrabalhoImpressao::preparaPdf(impressora, pasta.arquivo(QStringLiteral("impresso.pdf")));
    }

    std::unique_ptr<frmImprimir> abre(QPrinter* comImpressora) {
        auto d = std::make_unique<frmImprimir>(nullptr, pasta.caminho(), mensagens, comImpressora,
                                               configuracao, selecao, fontes, linhas, kNome,
                                               kNascimento, kHoje);
        d->show();
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
        return d;
    }
    std::unique_ptr<frmImprimir> abre() { return abre(&impressora); }

    static QLineEdit* caixa(frmImprimir& d, const char* nome) {
        return d.findChild<QLineEdit*>(QString::fromLatin1(nome));
    }
    static QCheckBox* marca(frmImprimir& d, const char* nome) {
        return d.findChild<QCheckBox*>(QString::fromLatin1(nome));
    }
    // Selects the box's text and types over it, one keystroke at a time.
    static void digita(frmImprimir& d, const char* nome, const QString& texto) {
        QLineEdit* c = caixa(d, nome);
        c->setFocus();
        c->selectAll();
        QTest::keyClicks(c, texto);
    }

    PastaTeste pasta;
    MensagensTeste mensagens;
    QPrinter impressora{QPrinter::HighResolution};
    Configuracao configuracao;
    Configuracao::Selecao selecao = Configuracao::padraoCalculos();
    FontesAnalise fontes;
    LinhasRodape linhas;
};

TEST_F(frmImprimirTest, OpeningCreatesTheMarginsFileAndDrawsThePreviewOnce) {
    configuracao.ImprimirFolhaRosto = -1;
    configuracao.PretoEmBranco = 0;
    const auto d = abre();
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo).left(16),
              QByteArray::fromHex("00002041000020410000204100002041"));
    for (const char* nome : {"txtSuperior", "txtEsquerda", "txtInferior", "txtDireita"}) {
        EXPECT_EQ(caixa(*d, nome)->text(), QStringLiteral("10")) << nome;
    }
    EXPECT_EQ(d->desenhosExemplo(), 1);
    EXPECT_TRUE(mensagens.mostradas.isEmpty());
    EXPECT_TRUE(marca(*d, "chkImprimirFolhaRosto")->isChecked());
    EXPECT_FALSE(marca(*d, "chkPretoEmBranco")->isChecked());
    EXPECT_EQ(d->findChild<QWidget*>(QStringLiteral("picExemplo"))->geometry(),
              QRect(162, 30, 136, 172));
    // The tab order of the design.
    QStringList ordem;
    QWidget* w = caixa(*d, "txtSuperior");
    for (int i = 0; i < 9; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus) {
            w = w->nextInFocusChain();
        }
        ordem << w->objectName();
    }
    EXPECT_EQ(ordem, QStringList({"txtSuperior", "txtEsquerda", "txtInferior", "txtDireita",
                                  "chkImprimirFolhaRosto", "chkPretoEmBranco", "cmdImprimir",
                                  "cmdCancelar", "picExemplo"}));
}

TEST_F(frmImprimirTest, EachAcceptedKeystrokeRedrawsAndARefusedOneComesBack) {
    const auto d = abre();
    digita(*d, "txtDireita", QStringLiteral("15"));
    EXPECT_EQ(d->desenhosExemplo(), 3);
    EXPECT_FLOAT_EQ(d->margens().MargemDireita, 15);
    QTest::keyClick(caixa(*d, "txtDireita"), Qt::Key_0); // 150 > 42
    EXPECT_EQ(caixa(*d, "txtDireita")->text(), QStringLiteral("15"));
    EXPECT_EQ(d->desenhosExemplo(), 3);
    ASSERT_EQ(mensagens.mostradas.size(), 1);
    EXPECT_EQ(mensagens.mostradas[0].titulo, QStringLiteral("Informação:"));
    EXPECT_EQ(mensagens.mostradas[0].texto,
              QStringLiteral("A margem direita não pode ser maior que 42mm"));
    EXPECT_EQ(mensagens.mostradas[0].icone, Mensagens::Icone::Exclamacao);

    digita(*d, "txtSuperior", QStringLiteral("59.4")); // a fifth of 297: accepted
    EXPECT_FLOAT_EQ(d->margens().MargemSuperior, 59.4f);
    digita(*d, "txtInferior", QStringLiteral("60"));
    EXPECT_EQ(mensagens.mostradas.last().texto,
              QStringLiteral("A margem inferior não pode ser maior que 59mm"));
    EXPECT_EQ(caixa(*d, "txtInferior")->text(), QStringLiteral("6"));
    caixa(*d, "txtEsquerda")->clear(); // an empty box is a margin of 0
    EXPECT_FLOAT_EQ(d->margens().MargemEsquerda, 0);
}

TEST_F(frmImprimirTest, StoredMarginOverTheLimitWarnsOnce) {
    ASSERT_TRUE((Margens{50, 10, 10, 10}).GravaMargens(pasta.caminho()));
    const auto d = abre();
    ASSERT_EQ(mensagens.mostradas.size(), 1);
    EXPECT_EQ(mensagens.mostradas[0].texto,
              QStringLiteral("A margem esquerda não pode ser maior que 42mm"));
    EXPECT_EQ(caixa(*d, "txtEsquerda")->text(), QStringLiteral("50"));
    EXPECT_EQ(d->desenhosExemplo(), 1);
    // A value pasted over the limit: one message, and the stored value comes back unchecked.
    caixa(*d, "txtEsquerda")->setText(QStringLiteral("60"));
    EXPECT_EQ(mensagens.mostradas.size(), 2);
    EXPECT_EQ(caixa(*d, "txtEsquerda")->text(), QStringLiteral("50"));
}

TEST_F(frmImprimirTest, FocusSelectsTheWholeBox) {
    const auto d = abre();
    QLineEdit* c = caixa(*d, "txtInferior");
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(3, c->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return c->selectedText() == QStringLiteral("10"); }));
}

TEST_F(frmImprimirTest, EnterSavesTheMarginsAndPrints) {
    const auto d = abre();
    marca(*d, "chkPretoEmBranco")->setChecked(false);
    marca(*d, "chkImprimirFolhaRosto")->setChecked(true);
    digita(*d, "txtEsquerda", QStringLiteral("25"));
    QTest::keyClick(caixa(*d, "txtEsquerda"), Qt::Key_Return);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{25, 10, 10, 10}));
    EXPECT_EQ(configuracao.PretoEmBranco, 0);
    EXPECT_EQ(configuracao.ImprimirFolhaRosto, -1);
    const PdfLido pdf(impressora.outputFileName());
    ASSERT_GT(pdf.paginas().size(), 2);
    EXPECT_TRUE(pdf.paginas()[0].contem(QStringLiteral("Análise Numerológica")));
    EXPECT_GT(pixelsColoridos(pdf.imagem(2)), 50); // colour, as the box said
    EXPECT_TRUE(mensagens.mostradas.isEmpty());
}

TEST_F(frmImprimirTest, BlackAndWhiteBoxGivesAGreyDocumentCoverIncluded) {
    const auto d = abre();
    marca(*d, "chkPretoEmBranco")->setChecked(true);
    marca(*d, "chkImprimirFolhaRosto")->setChecked(true);
    d->findChild<QPushButton*>(QStringLiteral("cmdImprimir"))->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    const PdfLido pdf(impressora.outputFileName());
    EXPECT_EQ(pixelsColoridos(pdf.imagem(1)) + pixelsColoridos(pdf.imagem(2)), 0);
}

TEST_F(frmImprimirTest, EscKeepsTheOptionsButNotTheMargins) {
    ASSERT_TRUE((Margens{12.5f, 10, 10, 10}).GravaMargens(pasta.caminho()));
    const QByteArray antes = pasta.conteudo(Margens::kArquivo);
    const auto d = abre();
    marca(*d, "chkPretoEmBranco")->setChecked(false);
    digita(*d, "txtSuperior", QStringLiteral("20"));
    QTest::keyClick(caixa(*d, "txtSuperior"), Qt::Key_Escape);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(configuracao.PretoEmBranco, 0);
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo), antes);
    EXPECT_FALSE(QFile::exists(impressora.outputFileName()));
    EXPECT_EQ(caixa(*abre(), "txtEsquerda")->text(), QStringLiteral("12.5"));

    // Closing the window otherwise changes no setting.
    const auto outro = abre();
    marca(*outro, "chkPretoEmBranco")->setChecked(true);
    outro->close();
    EXPECT_EQ(configuracao.PretoEmBranco, 0);
}

TEST_F(frmImprimirTest, FailedPrintSavesTheMarginsReportsAndStaysOpen) {
    QPrinter semPasta(QPrinter::HighResolution);
    TrabalhoImpressao::preparaPdf(semPasta, pasta.arquivo(QStringLiteral("nao/existe/a.pdf")));
    const auto d = abre(&semPasta);
    digita(*d, "txtDireita", QStringLiteral("17"));
    d->findChild<QPushButton*>(QStringLiteral("cmdImprimir"))->click();
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{10, 10, 17, 10}));
    ASSERT_EQ(mensagens.mostradas.size(), 1);
    EXPECT_EQ(mensagens.mostradas[0].titulo, QStringLiteral("Erro:"));
    EXPECT_EQ(mensagens.mostradas[0].icone, Mensagens::Icone::Critico);
    EXPECT_TRUE(mensagens.mostradas[0].texto.startsWith(QStringLiteral("Não foi possível gravar")));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(caixa(*d, "txtDireita")->text(), QStringLiteral("17"));
}

TEST_F(frmImprimirTest, WithoutAPrinterTheAnalysisGoesToTheChosenPdf) {
    const auto d = abre(nullptr);
    EXPECT_EQ(d->areaImpressora(), QRectF(0, 0, 210, 297));
    QStringList sugestoes;
    QString escolhido;
    d->defineEscolhaArquivoPdf([&](QWidget*, const QString& sugestao) {
        sugestoes << sugestao;
        return escolhido;
    });
    const QByteArray antes = pasta.conteudo(Margens::kArquivo);
    digita(*d, "txtSuperior", QStringLiteral("20"));
    auto* cmdImprimir = d->findChild<QPushButton*>(QStringLiteral("cmdImprimir"));
    cmdImprimir->click(); // the user gives up choosing a file
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo), antes);

    escolhido = pasta.arquivo(QStringLiteral("escolhido.pdf"));
    cmdImprimir->click();
    EXPECT_EQ(sugestoes, QStringList(2, QStringLiteral("MARIA_DA_SILVA_29-11-1978.pdf")));
    EXPECT_EQ(d->result(), QDialog::Accepted);
    const PdfLido pdf(escolhido);
    EXPECT_TRUE(pdf.a4Retrato());
    EXPECT_TRUE(pdf.paginas()[0].contem(kNome));
}

} // namespace
} // namespace vidalume::teste
