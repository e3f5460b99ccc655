// The dialog "Fontes...": the face, size, bold and italic of the three fonts of an analysis,
// with a live sample. Every change is copied at once into the fonts record in memory; "Ok"
// writes the record to its file, "Cancelar" reads the file back into memory.
#pragma once

#include "settings/FontesAnalise.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;

namespace vidalume {

class Mensagens;
class QuadroAmostra;

class frmConfiguraFonte : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLinhas = 3;

    // `faces` is the list of font faces offered in the three face boxes.
    frmConfiguraFonte(FontesAnalise& fontes, const QString& pastaPrograma, Mensagens& mensagens,
                      const QStringList& faces, QWidget* parent = nullptr);

    void PreencheFontes();
    void PreencherFonte();
    void Visualizar();

    // The window frame's close button closes the dialog without touching the file; the
    // changes already made stay in memory for the rest of the run.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void montaControles();
    void montaLinha(int linha, QGridLayout* grade, const QString& rotulo);
    DadosFonte& fonteDaLinha(int linha);
    void controleMudou();
    void cmdOk_Click();
    void cmdCancelar_Click();

    FontesAnalise& fontes_;
    QString pastaPrograma_;
    Mensagens& mensagens_;
    QStringList faces_;
    bool preenchendo_ = false;

    std::array<QComboBox*, kLinhas> cmbFonte_{};
    std::array<QComboBox*, kLinhas> cmbTamanho_{};
    std::array<QCheckBox*, kLinhas> chkNegrito_{};
    std::array<QCheckBox*, kLinhas> chkItalico_{};
    QuadroAmostra* picExemplo_ = nullptr;
};

} // namespace vidalume
