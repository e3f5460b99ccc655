// The selection dialog of the interpretation editor: the user picks a section of the
// analysis and a number and opens its interpretation, or the explanation that heads the
// section's group, in the edit window. After the 28 sections the list offers the couple
// compatibility texts, chosen by a pair of numbers instead of a number, and the closing
// paragraph; then the files that no section reads (texts/TextosAvulsos), each chosen by the
// label of its record. The dialog stays open until "Retorna&r ao Programa".
#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vidalume {

class Mensagens;
class frmAlteraForm;

class frmSelecionaAlteracao : public QDialog {
    Q_OBJECT
public:
    // Messages, the edit window's among them, go through `mensagens`.
    frmSelecionaAlteracao(const QString& pastaPrograma, Mensagens& mensagens,
                          QWidget* parent = nullptr);
    ~frmSelecionaAlteracao() override;

    // The list entries after the 34 sections: the compatibility texts, then the closing
    // paragraph of every report.
    static constexpr int kItemCompatibilidade = 35;
    static constexpr int kItemAviso = 36;
    // The first file of TextosAvulsos; the others follow it in the table's order.
    static constexpr int kPrimeiroAvulso = 37;

    // Fills the list with the 34 section titles, the compatibility entry, the closing
    // paragraph's and the titles of TextosAvulsos, and selects the first.
    void PreencheCombo();

    int itemSelecionado() const;     // 1 to 36, then one item per file of TextosAvulsos
    int numeroSelecionado() const;   // 0 to 9
    int parSelecionado() const;      // 1 to 45, the option of the pair list
    int registroSelecionado() const; // the record chosen for a file of TextosAvulsos

    // The edit window for the current choice, filled and not yet shown. The closing
    // paragraph opens with the wording the reports print, the shipped one while the folder
    // has none of its own.
    std::unique_ptr<frmAlteraForm> preparaAlteracaoTexto();
    // The edit window for the header of the selected section, or none after telling the
    // user that the section has no header.
    std::unique_ptr<frmAlteraForm> preparaAlteracaoCabecalho();

private:
    void montaControles();
    void cmbItem_Click();
    void cmdAlterarTexto_Click();
    void cmdAlterarHeader_Click();
    void exibe(std::unique_ptr<frmAlteraForm> edicao);
    // The row of TextosAvulsos of the selected item, or -1 for a section, the pairs or the
    // closing paragraph.
    int avulsoSelecionado() const;

    QString pastaPrograma_;
    Mensagens& mensagens_;

    QLabel* lblInfo_ = nullptr;
    QComboBox* cmbItem_ = nullptr;
    QGroupBox* frmInfo_ = nullptr;
    QGroupBox* fraPares_ = nullptr;
    QComboBox* cmbPar_ = nullptr;
    QGroupBox* fraRegistros_ = nullptr;
    QComboBox* cmbRegistro_ = nullptr;
    QButtonGroup* grupoNumeros_ = nullptr;
    std::array<QRadioButton*, 10> optNumeros_{}; // index = the number
    QPushButton* cmdAlterarTexto_ = nullptr;
    QPushButton* cmdAlterarHeader_ = nullptr;
    QPushButton* cmdRetornar_ = nullptr;
};

} // namespace vidalume
