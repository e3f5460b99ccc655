// The print dialog: its opening, the preview that follows each accepted keystroke, the
// margin messages, Enter and Esc, and what is saved when printing works or fails.
#include "frmImprimir.h"
#include "AmbienteImpressao.h"
#include "TrabalhoImpressao.h"

#include <gtest/gtest.h>

#include <QPrinter>

namespace vidalume::teste {
namespace {

class frmImprimirTest : public ::testing::Test {
protected:
    std::unique_ptr<frmImprimir> abre(QPrinter* comImpressora) {
        auto d = std::make_unique<frmImprimir>(nullptr, pasta.caminho(), mensagens, comImpressora,
                                               configuracao, selecao, fontes, linhas, kNome,
                                               kNascimento, kHoje);
        d->show();
        d->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
        return d;
    }
    std::unique_ptr<frmImprimir> abre() { // on a PDF printer
        TrabalhoImpressao::preparaPdf(impressora, pasta.arquivo(u"impresso.pdf"_s));
        return abre(&impressora);
    }

    static QLineEdit* caixa(frmImprimir& d, const char* nome) {
        return filho<QLineEdit>(&d, QString(nome));
    }
    // Selects the box's text and types over it, one keystroke at a time.
    static void digita(frmImprimir& d, const char* nome, const QString& texto) {
        caixa(d, nome)->setFocus();
        caixa(d, nome)->selectAll();
        QTest::keyClicks(caixa(d, nome), texto);
    }

    PastaPrograma pasta;
    MensagensTeste mensagens;
    QPrinter impressora{QPrinter::HighResolution};
    Configuracao configuracao;
    Configuracao::Selecao selecao = Configuracao::padraoCalculos();
    FontesAnalise fontes;
    LinhasRodape linhas;
};

TEST_F(frmImprimirTest, EachAcceptedKeystrokeRedrawsAndARefusedValueComesBackWithTheLimit) {
    // A stored margin over the limit of the paper warns once on opening.
    ASSERT_TRUE((Margens{50, 10, 10, 10}).GravaMargens(pasta.caminho()));
    const auto d = abre();
    EXPECT_EQ(mensagens.mostradas, QStringList{mensagem(u"Informação:"_s,
                                                        u"A margem esquerda não pode ser maior "
                                                        "que 42mm"_s,
                                                        Mensagens::Icone::Exclamacao)});
    EXPECT_EQ(caixa(*d, "txtEsquerda")->text(), u"50"_s);
    EXPECT_EQ(d->desenhosExemplo(), 1);
    // A value pasted over the limit: one message, and the stored value comes back unchecked.
    caixa(*d, "txtEsquerda")->setText(u"60"_s);
    EXPECT_EQ(mensagens.mostradas.size(), 2);
    EXPECT_EQ(caixa(*d, "txtEsquerda")->text(), u"50"_s);

    digita(*d, "txtDireita", u"15"_s);
    EXPECT_EQ(d->desenhosExemplo(), 3);
    EXPECT_FLOAT_EQ(d->margens().MargemDireita, 15);
    QTest::keyClick(caixa(*d, "txtDireita"), Qt::Key_0); // 150 > 42
    EXPECT_EQ(caixa(*d, "txtDireita")->text(), u"15"_s);
    EXPECT_EQ(d->desenhosExemplo(), 3);
    EXPECT_TRUE(
        mensagens.mostradas.last().contains(u"margem direita não pode ser maior que 42mm"_s));
    caixa(*d, "txtEsquerda")->clear(); // an empty box is a margin of 0
    EXPECT_FLOAT_EQ(d->margens().MargemEsquerda, 0);
    EXPECT_EQ(mensagens.mostradas.size(), 3);
}

TEST_F(frmImprimirTest, EnterSavesTheMarginsAndPrintsInTheColourModeOfTheBox) {
    for (const bool pretoEmBranco : {false, true}) {
        const auto d = abre();
        filho<QCheckBox>(d.get(), u"chkPretoEmBranco"_s)->setChecked(pretoEmBranco);
        filho<QCheckBox>(d.get(), u"chkImprimirFolhaRosto"_s)->setChecked(true);
        digita(*d, "txtEsquerda", u"25"_s);
        QTest::keyClick(caixa(*d, "txtEsquerda"), Qt::Key_Return);
        EXPECT_EQ(d->result(), QDialog::Accepted);
        EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{25, 10, 10, 10}));
        EXPECT_EQ(configuracao.PretoEmBranco, Configuracao::flag(pretoEmBranco));
        const PdfLido pdf(impressora.outputFileName());
        ASSERT_GT(pdf.paginas().size(), 2);
        EXPECT_TRUE(pdf.paginas()[0].contem(u"Análise Numerológica"_s));
        // Grey throughout, cover included, or in colour, as the box said.
        const int cor = pixelsColoridos(pdf.imagem(1)) + pixelsColoridos(pdf.imagem(2));
        EXPECT_TRUE(pretoEmBranco ? cor == 0 : cor > 50) << cor;
        EXPECT_TRUE(mensagens.mostradas.isEmpty());
    }
}

TEST_F(frmImprimirTest, EscKeepsTheOptionsButNotTheMargins) {
    ASSERT_TRUE((Margens{12.5f, 10, 10, 10}).GravaMargens(pasta.caminho()));
    const QByteArray antes = pasta.conteudo(Margens::kArquivo);
    const auto d = abre();
    filho<QCheckBox>(d.get(), u"chkPretoEmBranco"_s)->setChecked(false);
    digita(*d, "txtSuperior", u"20"_s);
    QTest::keyClick(caixa(*d, "txtSuperior"), Qt::Key_Escape);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(configuracao.PretoEmBranco, 0);
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo), antes);
    EXPECT_FALSE(QFile::exists(impressora.outputFileName()));
    EXPECT_EQ(caixa(*abre(), "txtEsquerda")->text(), u"12.5"_s);

    // Closing the window otherwise changes no setting.
    const auto outro = abre();
    filho<QCheckBox>(outro.get(), u"chkPretoEmBranco"_s)->setChecked(true);
    outro->close();
    EXPECT_EQ(configuracao.PretoEmBranco, 0);
}

TEST_F(frmImprimirTest, FailedPrintSavesTheMarginsReportsAndStaysOpen) {
    QPrinter semPasta(QPrinter::HighResolution);
    TrabalhoImpressao::preparaPdf(semPasta, pasta.arquivo(u"nao/existe/a.pdf"_s));
    const auto d = abre(&semPasta);
    digita(*d, "txtDireita", u"17"_s);
    clica(d.get(), u"cmdImprimir"_s);
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{10, 10, 17, 10}));
    ASSERT_EQ(mensagens.mostradas.size(), 1);
    EXPECT_TRUE(mensagens.mostradas[0].startsWith(u"Erro:|Não foi possível gravar"_s));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(caixa(*d, "txtDireita")->text(), u"17"_s);
}

TEST_F(frmImprimirTest, WithoutAPrinterTheAnalysisGoesToTheChosenPdf) {
    const auto d = abre(nullptr);
    // Opening writes the default margins file (four 10.0 floats) and draws the preview once.
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo).left(16),
              QByteArray::fromHex("00002041000020410000204100002041"));
    EXPECT_EQ(d->desenhosExemplo(), 1);
    QStringList sugestoes;
    QString escolhido;
    d->defineEscolhaArquivoPdf([&](QWidget*, const QString& sugestao) {
        sugestoes << sugestao;
        return escolhido;
    });
    const QByteArray antes = pasta.conteudo(Margens::kArquivo);
    digita(*d, "txtSuperior", u"20"_s);
    clica(d.get(), u"cmdImprimir"_s); // the user gives up choosing a file
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo), antes);

    escolhido = pasta.arquivo(u"escolhido.pdf"_s);
    clica(d.get(), u"cmdImprimir"_s);
    EXPECT_EQ(sugestoes, QStringList(2, u"MARIA_DA_SILVA_29-11-1978.pdf"_s));
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(PdfLido(escolhido).paginas()[0].contem(kNome));
}

} // namespace
} // namespace vidalume::teste
