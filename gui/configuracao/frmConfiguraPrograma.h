// The dialog "Configuração...": which of the 28 calculations an analysis holds and four
// options of the settings record. It changes the records in memory only; the settings file
// is written when the program ends.
#pragma once

#include "settings/Configuracao.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace vidalume {

class Mensagens;

class frmConfiguraPrograma : public QDialog {
    Q_OBJECT
public:
    static const QString kMensagemNenhumCalculo;

    frmConfiguraPrograma(Configuracao& configuracao, Configuracao::Selecao& calculosSelecionados,
                         Mensagens& mensagens, QWidget* parent = nullptr);

private:
    void montaControles();
    void Form_Load();
    void cmdOk_Click();

    Configuracao& configuracao_;
    Configuracao::Selecao& calculosSelecionados_;
    Mensagens& mensagens_;

    std::array<QCheckBox*, Configuracao::kTotalCalculos> chkInterpretacoes_{};
    QCheckBox* chkImprimirDescricao_ = nullptr;
    QCheckBox* chkImprimirNumero_ = nullptr;
    QCheckBox* chkImprimirCabecalho_ = nullptr;
    QCheckBox* chkEscutarSons_ = nullptr;
};

} // namespace vidalume
