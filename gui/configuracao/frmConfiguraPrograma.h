// The dialog "Configuração...": which of the 28 calculations and of the sections after them
// (the complete map, the line of life) an analysis holds, four options of the settings
// record, the repetitions that make a hidden tendency and when the personal year begins (on
// 1 January or on the birthday). It changes the records in memory only; the files are
// written when the program ends.
#pragma once

#include "engine/TabelaHarmonia.h"
#include "settings/Configuracao.h"
#include "settings/OpcoesMapa.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace vidalume {

class Mensagens;

class frmConfiguraPrograma : public QDialog {
    Q_OBJECT
public:
    static const QString kMensagemNenhumCalculo;

    // `harmonia`, when given, is the cabalística school's table of harmony, which the
    // dialog's "Tabela de harmonia" button edits.
    frmConfiguraPrograma(Configuracao& configuracao, Configuracao::Selecao& calculosSelecionados,
                         OpcoesMapa& opcoesMapa, Mensagens& mensagens, QWidget* parent = nullptr,
                         TabelaHarmonia* harmonia = nullptr);

private:
    void montaControles();
    QGroupBox* montaEscola();
    void Form_Load();
    void cmdOk_Click();

    Configuracao& configuracao_;
    Configuracao::Selecao& calculosSelecionados_;
    OpcoesMapa& opcoesMapa_;
    TabelaHarmonia* harmonia_ = nullptr;
    TabelaHarmonia harmoniaEditada_;
    quint32 secoesCabalisticasOcultas_ = 0; // as the sections dialog left them
    Mensagens& mensagens_;

    // chkInterpretacoes_[k - 1] chooses section k, 1 to 34.
    std::array<QCheckBox*, OpcoesMapa::kUltimaSecao> chkInterpretacoes_{};
    QRadioButton* optLimite3_ = nullptr;
    QRadioButton* optLimite4_ = nullptr;
    QCheckBox* chkImprimirDescricao_ = nullptr;
    QCheckBox* chkImprimirNumero_ = nullptr;
    QCheckBox* chkImprimirCabecalho_ = nullptr;
    QCheckBox* chkTextosRepetidos_ = nullptr;
    QCheckBox* chkEscutarSons_ = nullptr;
    QComboBox* cmbInicioAnoPessoal_ = nullptr; // item 0 on 1 January, 1 on the birthday
    // The school and the variants of the cabalística one: item 0 is the default of each.
    QComboBox* cmbEscola_ = nullptr;
    QComboBox* cmbDividas_ = nullptr;
    QComboBox* cmbCiclo_ = nullptr;
    QComboBox* cmbValorX_ = nullptr;
    QComboBox* cmbLicoes_ = nullptr;
};

} // namespace vidalume
