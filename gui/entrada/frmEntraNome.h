// The modal dialog that takes the full name and the birth date of the person to analyse,
// checks both, shows the sign of the date while the user types and hands back the name in
// plain capitals and the date as "dd/mm/yyyy". A cancelled dialog hands back the marker
// "Descartar" as the name. It also takes the date of the forecasts ("Previsões para:", today
// unless changed) and whether to keep the person in the client file.
#pragma once

#include "engine/RegrasCalculo.h"

#include <QDate>
#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vidalume {

class Mensagens;
class QuadroImagem;

class frmEntraNome : public QDialog {
    Q_OBJECT
public:
    static constexpr int kQuadrosSigno = 8;

    // `nomeAnalise` and `dataNascimento` are the values of the previous analysis; they are
    // handed back unchanged unless the dialog changes them.
    frmEntraNome(const QString& nomeAnalise, const QString& dataNascimento,
                 const QString& pastaPrograma, Mensagens& mensagens, QWidget* parent = nullptr);

    const QString& NomeAnalise() const { return nomeAnalise_; }
    const QString& DataNascimento() const { return dataNascimento_; }
    bool cancelado() const;
    // The name as typed, accents kept, once the dialog was accepted.
    const QString& nomeDigitado() const { return nomeDigitado_; }
    // The date of the forecasts once the dialog was accepted.
    QDate referencia() const { return referencia_; }
    bool guardarNaFicha() const;
    // The school chosen for this analysis (the settings' school until the user changes it).
    EscolaCalculo escola() const;
    void defineEscola(EscolaCalculo escola);

    // Today's date: the default of the forecasts' date. The constructor takes the clock's.
    void defineHoje(QDate hoje);
    // Fills the boxes, as for a client of the client file.
    void preenche(const QString& nome, const QString& dataNascimento, bool guardar);

    // Esc and the window frame's close button cancel the dialog.
    void reject() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void montaControles();
    QHBoxLayout* montaFaixaSigno();
    QComboBox* montaEscola();
    void txtDataNasc_LostFocus();
    void normalizaCaixaData();
    void mostraSigno(int indice);
    void cmdOk_Click();
    void cmdCancelar_Click();

    QString nomeAnalise_;
    QString dataNascimento_;
    QString pastaPrograma_;
    Mensagens& mensagens_;
    QString nomeDigitado_;
    QDate referencia_;

    QLineEdit* txtNome_ = nullptr;
    QLineEdit* txtDataNasc_ = nullptr;
    QLineEdit* txtReferencia_ = nullptr;
    QComboBox* cmbEscola_ = nullptr;
    QCheckBox* chkGuardar_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    std::array<QuadroImagem*, kQuadrosSigno> picSigno_{};
};

} // namespace vidalume
