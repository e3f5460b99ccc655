// The print dialog "Imprimir:": the four print margins in millimetres with a small picture
// of a printed page that follows every accepted change, the options cover page and black
// and white, the printer (the installed printers, the program's default selected, and
// "Salvar como PDF"), the number of copies and the paper (A4 first and chosen), with how many
// pages the analysis takes on it; a margin over the limit of a paper chosen is told. "Imprimir"
// saves the margins and options first, then prints the analysis on the chosen printer, or into a
// PDF file the user chooses, and says which printer the job went to or where the file is (offering
// to open it); a failure is reported and the dialog stays open. "Cancelar" (and Esc) keeps the two
// options but not the margins; closing the window otherwise changes nothing.
//
// The main window opens it modally for the analysis of the active report window:
//
//     frmImprimir dialogo(this, pastaPrograma_, *servicos_.mensagens, impressora_.get(),
//                         padrao_.Configuracao, padrao_.diagramacao(pastaPrograma_));
//     dialogo.exec();
#pragma once

#include "composer/Diagramacao.h"
#include "gui/comum/ArquivoGravado.h"
#include "gui/impressao/ListaImpressoras.h"
#include "printing/RegraMargem.h"
#include "report/Relatorio.h"
#include "settings/Configuracao.h"
#include "settings/Margens.h"

#include <QDialog>
#include <QPageSize>
#include <QRectF>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;
class QSpinBox;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace vidalume {

class Mensagens;
class QuadroExemplo;

class frmImprimir : public QDialog {
    Q_OBJECT
public:
    // Asks where to save the PDF; an empty text when the user gives up.
    using EscolheArquivoPdf = std::function<QString(QWidget* pai, const QString& sugestao)>;
    // Prints the analysis on a printer (or a PDF printer); false with the reason on failure.
    using Trabalho =
        std::function<bool(QPrinter& impressora, const Diagramacao& diagramacao, QString* erro)>;

    static const QString kSalvarComoPdf;    // the last choice of the printer list
    static const QString kImpressoraPadrao; // the program's printer when it has no name
    static constexpr int kMaximoCopias = 99;

    // `impressora` is the program's printer, or null where none is installed. The check
    // boxes are preset from `configuracao`, which gets their state back on "Imprimir" and
    // "Cancelar". `diagramacao` is the composed analysis with its settings; the dialog
    // prints it with the margins and options chosen here. margens.dat lies in `pastaDados`.
    frmImprimir(QWidget* parent, const QString& pastaDados, Mensagens& mensagens,
                QPrinter* impressora, Configuracao& configuracao, Diagramacao diagramacao);
    ~frmImprimir() override;

    // Replaces the file dialog "Salvar análise em PDF" (tests give a path).
    void defineEscolhaArquivoPdf(EscolheArquivoPdf escolha) {
        escolheArquivoPdf_ = std::move(escolha);
    }
    // Replaces the print job (tests record what reaches it).
    void defineTrabalho(Trabalho trabalho) { trabalho_ = std::move(trabalho); }
    // Makes the printer of a name chosen in the list other than the program's.
    using CriaImpressora = std::function<std::unique_ptr<QPrinter>(const QString& nome)>;
    void defineCriaImpressora(CriaImpressora cria) { criaImpressora_ = std::move(cria); }
    // The printers offered, each by its description (see ListaImpressoras): the program's
    // printer (the queue `padrao`) first and selected, the other `impressoras`, and "Salvar
    // como PDF" last. The dialog reads the installed printers itself as it opens; without a
    // program's printer every installed one is offered and "Salvar como PDF" is selected.
    void defineImpressoras(const QList<ListaImpressoras::Impressora>& impressoras,
                           const QString& padrao);
    // Replaces the desktop's opening of a saved PDF or of its folder (tests answer it).
    void defineAbreEndereco(ArquivoGravado::AbreEndereco abre) { abre_ = std::move(abre); }

    // Redraws the preview from the four boxes.
    void DesenhaExemplo();
    // Copies the four boxes into the margins.
    void RedefinirMargens();

    const Margens& margens() const { return margens_; }
    // How many times the preview has been drawn since the dialog was made.
    int desenhosExemplo() const { return desenhosExemplo_; }
    // The sheet of the chosen paper in millimetres, which the document is laid out on.
    const QRectF& areaImpressora() const { return areaImpressora_; }
    // The papers offered, A4 first; the chosen one.
    static QList<QPageSize> papeis();
    QPageSize papel() const;
    // Counts the pages of the analysis on the chosen paper and margins now rather than after
    // the pause that gathers keystrokes; what the dialog shows of it.
    void contaPaginas();
    QString textoPaginas() const;

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct CaixaMargem {
        QLineEdit* txt;
        RegraMargem regra;
    };

    void montaControles();
    void montaMargens();
    void montaOpcoesEBotoes();
    void Form_Load();
    void margemMudou(CaixaMargem& caixa);
    void cmdImprimir_Click();
    void cmdCancelar_Click();
    void guardaOpcoes();
    void guardaMargensEOpcoes();
    void montaImpressoras();
    void montaPapel();
    void papelMudou();
    // The printable extent of the chosen paper a margin is checked against.
    double extensaoDe(const RegraMargem& regra) const;
    bool salvaEmPdf() const;
    // The title of the PDF file dialog: what is being saved.
    QString tituloArquivoPdf() const;
    // What the messages after a print call the document: an analysis or a name study.
    const Relatorio& relatorio() const { return Relatorio::de(diagramacao_); }
    bool imprimeEm(QPrinter& impressora);
    Diagramacao diagramacao() const;

    QString pastaDados_;
    Mensagens& mensagens_;
    QPrinter* impressora_;
    Configuracao& configuracao_;
    const Diagramacao diagramacao_;
    EscolheArquivoPdf escolheArquivoPdf_;
    Trabalho trabalho_;
    CriaImpressora criaImpressora_;
    ArquivoGravado::AbreEndereco abre_;

    QRectF areaImpressora_;
    Margens margens_;
    QString textoExemplo_; // the expression interpretation of the analysis
    bool Desenhando_ = false;
    int desenhosExemplo_ = 0;

    QLineEdit* txtSuperior_ = nullptr;
    QLineEdit* txtEsquerda_ = nullptr;
    QLineEdit* txtInferior_ = nullptr;
    QLineEdit* txtDireita_ = nullptr;
    std::vector<CaixaMargem> caixas_; // in the order the dialog fills them
    QuadroExemplo* picExemplo_ = nullptr;
    QCheckBox* chkImprimirFolhaRosto_ = nullptr;
    QCheckBox* chkPretoEmBranco_ = nullptr;
    QPushButton* cmdImprimir_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    QComboBox* cmbImpressora_ = nullptr;
    QSpinBox* spnCopias_ = nullptr;
    QComboBox* cmbPapel_ = nullptr;
    QLabel* lblPaginas_ = nullptr;
    QTimer* contagem_ = nullptr; // gathers keystrokes before the pages are counted
};

} // namespace vidalume
