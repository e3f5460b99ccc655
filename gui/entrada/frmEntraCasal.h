// The modal dialog that takes the full names and birth dates of the two people of a couple
// compatibility reading. Each person is checked as the entry dialog checks its person, with
// the same messages (the date first, then the name; the first person, then the second), and
// the dialog hands back the names in plain capitals and the dates as "dd/mm/yyyy".
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace vidalume {

class Mensagens;

class frmEntraCasal : public QDialog {
    Q_OBJECT
public:
    explicit frmEntraCasal(Mensagens& mensagens, QWidget* parent = nullptr);

    // Person 0 or 1, once the dialog is accepted.
    const QString& nome(int pessoa) const { return nomes_[pessoa]; }
    const QString& nascimento(int pessoa) const { return datas_[pessoa]; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void montaControles();
    void normalizaCaixaData(QLineEdit* caixa);
    bool confere(int pessoa);
    void cmdOk_Click();

    Mensagens& mensagens_;
    std::array<QString, 2> nomes_;
    std::array<QString, 2> datas_;
    std::array<QLineEdit*, 2> txtNome_{};
    std::array<QLineEdit*, 2> txtDataNasc_{};
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
};

} // namespace vidalume
