// The modal dialog "Previsões do ano": whose forecast (the full name and birth date, filled
// in with the person of the active report window or of the chosen client, and checked as
// the entry dialog checks its person, with the same messages) and for which year (1900 to
// 2100, the year of the reference date at first). It names the start of the personal year
// the forecast will follow, as set in "Cálculos e opções". It hands back the name in plain
// capitals and the date as "dd/mm/yyyy".
#pragma once

#include "engine/InicioAnoPessoal.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vidalume {

class Mensagens;

class frmPrevisoes : public QDialog {
    Q_OBJECT
public:
    // `nome` and `nascimento` fill the boxes (either may be empty); `ano` is the year shown
    // at first (brought into 1900 to 2100).
    frmPrevisoes(const QString& nome, const QString& nascimento, int ano, InicioAnoPessoal regra,
                 Mensagens& mensagens, QWidget* parent = nullptr);

    // Once the dialog is accepted: the name normalised, and as typed in capitals with its
    // marks (what the pages show).
    const QString& nome() const { return nome_; }
    const QString& nomeDigitado() const { return nomeDigitado_; }
    const QString& nascimento() const { return nascimento_; }
    int ano() const;

private:
    void montaControles(InicioAnoPessoal regra);
    void cmdOk_Click();

    Mensagens& mensagens_;
    QString nome_;
    QString nomeDigitado_;
    QString nascimento_;
    QLineEdit* txtNome_ = nullptr;
    QLineEdit* txtDataNasc_ = nullptr;
    QSpinBox* txtAno_ = nullptr;
    QLabel* lblRegra_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
};

} // namespace vidalume
