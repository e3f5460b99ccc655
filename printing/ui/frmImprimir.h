// The print dialog "Imprimir:": the four print margins in millimetres with a small picture
// of a printed page that follows every accepted change, and the options cover page and
// black and white. "Imprimir" saves the margins and prints the analysis on the program's
// printer, or, where no printer is installed, into a PDF file the user chooses; a failure
// is reported and the dialog stays open. "Cancelar" (and Esc) keeps the two options but
// not the margins; closing the window otherwise changes nothing.
//
// The main window opens it modally for the analysis of the active report window:
//
//     frmImprimir dialogo(this, pastaPrograma_, *servicos_.mensagens, impressora_.get(),
//                         padrao_.Configuracao, padrao_.diagramacao(pastaPrograma_));
//     dialogo.exec();
#pragma once

#include "composer/Diagramacao.h"
#include "printing/RegraMargem.h"
#include "settings/Configuracao.h"
#include "settings/Margens.h"

#include <QDialog>
#include <QRectF>

#include <functional>
#include <vector>

class QCheckBox;
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

    // Redraws the preview from the four boxes.
    void DesenhaExemplo();
    // Copies the four boxes into the margins.
    void RedefinirMargens();

    const Margens& margens() const { return margens_; }
    // How many times the preview has been drawn since the dialog was made.
    int desenhosExemplo() const { return desenhosExemplo_; }
    // The printable area of the printer's page in millimetres (A4 without a printer).
    const QRectF& areaImpressora() const { return areaImpressora_; }

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
    bool imprimeEm(QPrinter& impressora);
    Diagramacao diagramacao() const;

    QString pastaDados_;
    Mensagens& mensagens_;
    QPrinter* impressora_;
    Configuracao& configuracao_;
    const Diagramacao diagramacao_;
    EscolheArquivoPdf escolheArquivoPdf_;

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
};

} // namespace vidalume
