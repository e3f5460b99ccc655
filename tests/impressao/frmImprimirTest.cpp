// The print dialog: its opening, the preview that follows each accepted keystroke, the
// margin messages, Enter and Esc, and what is saved when printing works or fails.
#include "gui/impressao/frmImprimir.h"
#include "composer/ComporAnalise.h"
#include "gui/impressao/ListaImpressoras.h"
#include "gui/impressao/TrabalhoImpressao.h"
#include "tests/impressao/AmbienteImpressao.h"
#include "texts/ArquivoInterpretacao.h"

#include <QPrinter>

namespace vidalume::teste {
namespace {

class frmImprimirTest : public ::testing::Test {
protected:
    std::unique_ptr<frmImprimir> abre(QPrinter* comImpressora) {
        Diagramacao analise;
        analise.NomeAnalise = kNome;
        analise.DataNascimento = kNascimento;
        analise.analise =
            ComporAnalise::compoe(kNome, kNascimento, kHoje, ArquivoInterpretacao(pasta.caminho()));
        analise.pastaPrograma = pasta.caminho();
        auto d = std::make_unique<frmImprimir>(nullptr, pasta.caminho(), mensagens, comImpressora,
                                               configuracao, analise);
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
};

TEST_F(frmImprimirTest, EachAcceptedKeystrokeRedrawsARefusedValueComesBackAndEscKeepsTheMargins) {
    // A stored margin over the limit of the paper warns once on opening.
    ASSERT_TRUE((Margens{50, 10, 10, 10}).GravaMargens(pasta.caminho()));
    const QByteArray antes = pasta.conteudo(Margens::kArquivo);
    const auto d = abre();
    EXPECT_EQ(mensagens.mostradas, QStringList{mensagem(u"Informação:"_s,
                                                        u"A margem esquerda não pode ser maior "
                                                        "que 42mm"_s,
                                                        Mensagens::Icone::Exclamacao)});
    EXPECT_EQ(d->desenhosExemplo(), 1);
    // A value pasted over the limit: one message, and the stored value comes back unchecked.
    caixa(*d, "txtEsquerda")->setText(u"60"_s);
    EXPECT_EQ(caixa(*d, "txtEsquerda")->text(), u"50"_s);

    digita(*d, "txtDireita", u"15"_s);
    EXPECT_EQ(d->desenhosExemplo(), 3);
    EXPECT_FLOAT_EQ(d->margens().MargemDireita, 15);
    QTest::keyClick(caixa(*d, "txtDireita"), Qt::Key_0); // 150 > 42
    EXPECT_EQ(caixa(*d, "txtDireita")->text(), u"15"_s);
    EXPECT_EQ(d->desenhosExemplo(), 3);
    EXPECT_EQ(mensagens.mostradas.size(), 3);

    // Esc keeps the options but neither the margins nor prints.
    filho<QCheckBox>(d.get(), u"chkPretoEmBranco"_s)->setChecked(false);
    QTest::keyClick(caixa(*d, "txtDireita"), Qt::Key_Escape);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(configuracao.PretoEmBranco, 0);
    EXPECT_EQ(pasta.conteudo(Margens::kArquivo), antes);
    EXPECT_FALSE(QFile::exists(impressora.outputFileName()));
    EXPECT_EQ(caixa(*abre(), "txtEsquerda")->text(), u"50"_s);
}

// Without a printer the analysis goes to a PDF the user chooses; giving up the choice, or a
// file that cannot be written, keeps the dialog open with the margins already saved (the
// failure said); Enter prints as the boxes say.
TEST_F(frmImprimirTest, WithoutAPrinterEnterPrintsToTheChosenPdfAsTheBoxesSay) {
    const auto d = abre(nullptr);
    QStringList sugestoes;
    QString escolhido;
    d->defineEscolhaArquivoPdf([&](QWidget*, const QString& sugestao) {
        sugestoes << sugestao;
        return escolhido;
    });
    const QByteArray antes = pasta.conteudo(Margens::kArquivo);
    digita(*d, "txtEsquerda", u"25"_s);
    clica(d.get(), u"cmdImprimir"_s);
    EXPECT_TRUE(d->isVisible());
    EXPECT_NE(pasta.conteudo(Margens::kArquivo), antes);
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{25, 10, 10, 10}));
    EXPECT_EQ(filho<QComboBox>(d.get(), u"cmbImpressora"_s)->currentText(),
              frmImprimir::kSalvarComoPdf);
    escolhido = pasta.arquivo(u"nao/existe/a.pdf"_s);
    digita(*d, "txtDireita", u"17"_s);
    clica(d.get(), u"cmdImprimir"_s);
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{25, 10, 17, 10}));
    ASSERT_EQ(mensagens.mostradas.size(), 1);
    EXPECT_TRUE(mensagens.mostradas.takeFirst().startsWith(u"Erro:|Não foi possível gravar"_s));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(caixa(*d, "txtDireita")->text(), u"17"_s);
    // The data folder's own files are refused, the dialog stays.
    escolhido = pasta.arquivo(Margens::kArquivo);
    clica(d.get(), u"cmdImprimir"_s);
    EXPECT_TRUE(d->isVisible() && mensagens.mostradas.last().startsWith(u"Erro:|\""_s));
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{25, 10, 17, 10}));
    mensagens.mostradas.clear();

    escolhido = pasta.arquivo(u"escolhido.pdf"_s);
    filho<QCheckBox>(d.get(), u"chkPretoEmBranco"_s)->setChecked(true);
    filho<QCheckBox>(d.get(), u"chkImprimirFolhaRosto"_s)->setChecked(true);
    QTest::keyClick(caixa(*d, "txtEsquerda"), Qt::Key_Return);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(sugestoes, QStringList(4, u"MARIA_DA_SILVA_29-11-1978.pdf"_s));
    EXPECT_EQ(Margens::le(pasta.caminho()), (Margens{25, 10, 17, 10}));
    EXPECT_EQ(configuracao.PretoEmBranco, -1);
    const PdfLido pdf(escolhido);
    ASSERT_GT(pdf.paginas().size(), 2);
    EXPECT_TRUE(pdf.paginas()[0].contem(u"Análise Numerológica"_s));
    EXPECT_TRUE(pdf.paginas()[1].contem(kNome));
    // Grey throughout, cover included.
    EXPECT_EQ(pixelsColoridos(pdf.imagem(1)) + pixelsColoridos(pdf.imagem(2)), 0);
    // The save says where the file went.
    EXPECT_EQ(mensagens.mostradas, QStringList{mensagem(u"Informação:"_s,
                                                        u"A análise foi gravada em:\n\n"_s +
                                                            QDir::toNativeSeparators(escolhido),
                                                        Mensagens::Icone::Informacao) +
                                               u"[&Abrir o arquivo/Abrir a &pasta/&OK](&OK)"_s});
}

// The printer and the number of copies reach the print job: the program's printer itself
// when it stays selected, otherwise a printer of the chosen name; "Salvar como PDF" last.
TEST_F(frmImprimirTest, ThePrinterAndTheCopiesChosenReachThePrintJob) {
    struct Pedido {
        QPrinter* impressora;
        QString nome;
        int copias;
    };
    QList<Pedido> pedidos;
    QStringList criadas;
    const auto abreComImpressoras = [&] {
        auto d = abre();
        d->defineCriaImpressora([&](const QString& nome) {
            criadas << nome;
            auto outra = std::make_unique<QPrinter>();
            outra->setOutputFileName(pasta.arquivo(u"outra.pdf"_s));
            return outra;
        });
        d->defineImpressoras({{u"Jato"_s, u"Jato da Recepção"_s},
                              {u"Laser_Sala"_s, u"Laser da Sala"_s},
                              {u"Cups-PDF"_s, QString()}},
                             u"Laser_Sala"_s);
        d->defineTrabalho([&](QPrinter& impressora, const Diagramacao& analise, QString*) {
            EXPECT_EQ(analise.NomeAnalise, kNome);
            pedidos.append({&impressora, impressora.printerName(), impressora.copyCount()});
            return true;
        });
        return d;
    };
    auto d = abreComImpressoras();
    auto* lista = filho<QComboBox>(d.get(), u"cmbImpressora"_s);
    // By description, the program's printer first; a queue without one by its name.
    EXPECT_EQ(itens(lista), (QStringList{u"Laser da Sala"_s, u"Jato da Recepção"_s, u"Cups-PDF"_s,
                                         frmImprimir::kSalvarComoPdf}));
    EXPECT_EQ(lista->currentIndex(), 0);
    EXPECT_TRUE(filho<QSpinBox>(d.get(), u"spnCopias"_s)->isEnabled());
    clica(d.get(), u"cmdImprimir"_s);
    ASSERT_EQ(pedidos.size(), 1);
    EXPECT_EQ(pedidos[0].impressora, &impressora);
    EXPECT_EQ(pedidos[0].copias, 1);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(mensagens.mostradas,
              QStringList{mensagem(u"Informação:"_s,
                                   u"A análise foi enviada para a impressora \"Laser da Sala\"."_s,
                                   Mensagens::Icone::Informacao)});

    d = abreComImpressoras();
    filho<QComboBox>(d.get(), u"cmbImpressora"_s)->setCurrentIndex(1);
    filho<QSpinBox>(d.get(), u"spnCopias"_s)->setValue(3);
    clica(d.get(), u"cmdImprimir"_s);
    ASSERT_EQ(pedidos.size(), 2);
    EXPECT_NE(pedidos[1].impressora, &impressora);
    EXPECT_EQ(pedidos[1].copias, 3);
    EXPECT_EQ(criadas, QStringList{u"Jato"_s});
    EXPECT_EQ(mensagens.mostradas.last(),
              mensagem(u"Informação:"_s,
                       u"A análise foi enviada para a impressora \"Jato da Recepção\" (3 "
                       "cópias)."_s,
                       Mensagens::Icone::Informacao));
}

// A system without a default printer still offers every printer, with "Salvar como PDF"
// chosen; the paper is A4 unless changed, the preview's sheet and the page count follow the
// paper chosen, and the printer prints on it.
TEST_F(frmImprimirTest, WithoutADefaultEveryPrinterIsOfferedOnTheChosenPaper) {
    ListaImpressoras::sistemaTeste = [] {
        return QList<ListaImpressoras::Impressora>{{u"Laser_Sala"_s, u"Laser da Sala"_s},
                                                   {u"Recepcao"_s, u"Impressora da recepção"_s}};
    };
    const auto d = abre(nullptr);
    ListaImpressoras::sistemaTeste = nullptr;
    auto* lista = filho<QComboBox>(d.get(), u"cmbImpressora"_s);
    EXPECT_EQ(itens(lista), (QStringList{u"Laser da Sala"_s, u"Impressora da recepção"_s,
                                         frmImprimir::kSalvarComoPdf}));
    EXPECT_EQ(lista->currentText(), frmImprimir::kSalvarComoPdf);

    auto* papel = filho<QComboBox>(d.get(), u"cmbPapel"_s);
    EXPECT_EQ(papel->currentIndex(), 0);
    EXPECT_EQ(d->papel().id(), QPageSize::A4);
    EXPECT_DOUBLE_EQ(d->areaImpressora().height(), 297);
    d->contaPaginas();
    const QString emA4 = d->textoPaginas();
    EXPECT_TRUE(emA4.endsWith(u" páginas neste papel"_s)) << emA4.toStdString();
    const int desenhos = d->desenhosExemplo();
    papel->setCurrentIndex(2); // Ofício, a longer sheet: fewer pages
    EXPECT_EQ(d->papel().id(), QPageSize::Legal);
    EXPECT_NEAR(d->areaImpressora().height(), 355.6, 0.1);
    EXPECT_EQ(d->desenhosExemplo(), desenhos + 1);
    d->contaPaginas();
    EXPECT_LT(d->textoPaginas().section(u' ', 0, 0).toInt(), emA4.section(u' ', 0, 0).toInt());

    // A margin that fits A4 and Ofício but not Carta, 279 mm high, is told when Carta is
    // chosen, and kept for the user to correct.
    EXPECT_TRUE(mensagens.mostradas.isEmpty());
    digita(*d, "txtSuperior", u"58"_s);
    papel->setCurrentIndex(1);
    EXPECT_EQ(
        mensagens.mostradas,
        QStringList{mensagem(u"Informação:"_s, u"A margem superior não pode ser maior que 55mm"_s,
                             Mensagens::Icone::Exclamacao)});
    EXPECT_EQ(caixa(*d, "txtSuperior")->text(), u"58"_s);
    papel->setCurrentIndex(2);
    EXPECT_EQ(mensagens.mostradas.size(), 1);

    QStringList criadas;
    QPageSize::PageSizeId noTrabalho = QPageSize::A4;
    d->defineCriaImpressora([&](const QString& nome) {
        criadas << nome;
        return std::make_unique<QPrinter>();
    });
    d->defineTrabalho([&](QPrinter& impressora, const Diagramacao&, QString*) {
        noTrabalho = impressora.pageLayout().pageSize().id();
        return true;
    });
    lista->setCurrentIndex(1);
    clica(d.get(), u"cmdImprimir"_s);
    EXPECT_EQ(criadas, QStringList{u"Recepcao"_s});
    EXPECT_EQ(noTrabalho, QPageSize::Legal);
}

// Printers told apart by what the user knows them by; a shared description takes the queue
// name.
TEST(ListaImpressoras, RotulosPorDescricao) {
    EXPECT_EQ(
        ListaImpressoras::rotulos(
            {{u"a"_s, u"Laser"_s}, {u"b"_s, u"Laser"_s}, {u"c"_s, QString()}, {u"d"_s, u"Jato"_s}}),
        (QStringList{u"Laser (a)"_s, u"Laser (b)"_s, u"c"_s, u"Jato"_s}));
}

} // namespace
} // namespace vidalume::teste
