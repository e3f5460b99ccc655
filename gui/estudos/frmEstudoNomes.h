// The name study window: a birth date and up to 20 candidate names, and a table that shows,
// as the user types, each name's expression, soul urge, silent self, first vowel, name
// characteristic and reality number and whether its expression is in harmony with the life
// path. Names are shown as typed, accents and all.
//
// "Adicionar" starts a new row and the name box edits the selected row; "Remover" takes it
// away. "Imprimir" hands the study, with each name's expression interpretation, to the
// caller's print dialog; "Abrir Análise" (or a double click on a row) closes the window with
// the selected name chosen for a full analysis, and the caller keeps the names to give them
// back when the study opens again. The date and the chosen name are checked with the entry
// dialog's checks and messages first. "Fechar", Esc or the window's close button ask before
// a study with names is closed and its names discarded (No is the default). "Correção de
// nome…" (shown only when the caller gives a way to open it) opens the name correction
// study of the selected name, or the first, with the date typed.
#pragma once

#include "composer/EstudoNomes.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vidalume {

class Mensagens;

class frmEstudoNomes : public QDialog {
    Q_OBJECT
public:
    using ImprimeEstudo = std::function<void(QWidget* pai, const EstudoNomes& estudo)>;
    using AbreCorrecao =
        std::function<void(QWidget* pai, const QString& nome, const QString& data)>;

    static const QString kMensagemLimite;   // no more than 20 names
    static const QString kMensagemSemNomes; // nothing to print
    static const QString kPerguntaFechar;   // "%1": what is discarded

    // `dataNascimento` presets the date box; the interpretations lie in `pastaPrograma`.
    frmEstudoNomes(const QString& dataNascimento, const QString& pastaPrograma,
                   Mensagens& mensagens, ImprimeEstudo imprime, QWidget* parent = nullptr);

    // Shows "Correção de nome…", which calls `abre`.
    void defineCorrecao(AbreCorrecao abre);

    // Puts back the names of an earlier study, in their order, none selected.
    void preenche(const QStringList& nomes);

    // The names as typed, in the order of the table.
    const QStringList& nomes() const { return nomes_; }
    // What the table shows.
    const EstudoNomes& estudo() const { return estudo_; }

    // Once the window closed with "Abrir Análise": the chosen name, normalised, and the
    // date as "dd/mm/yyyy"; empty otherwise.
    const QString& nomeEscolhido() const { return nomeEscolhido_; }
    const QString& dataEscolhida() const { return dataEscolhida_; }

    void cmdAdicionar_Click();
    void cmdRemover_Click();
    void cmdImprimir_Click();
    void cmdAnalise_Click();
    void cmdCorrecao_Click();
    // Closing without choosing a name: asks first while the study has names.
    void reject() override;

private:
    void montaControles();
    void montaTabela();
    void ligaSinais();
    void txtNome_Change(const QString& texto);
    void grdNomes_SelectionChange();
    void atualiza();
    void preencheLinha(int linha, const CandidatoNome& candidato);
    int linhaSelecionada() const;
    void selecionaLinha(int linha);
    bool dataAceita();
    bool nomeAceito(int linha);

    QString pastaPrograma_;
    RegrasCalculo regras_; // the school and options of the folder's settings
    Mensagens& mensagens_;
    ImprimeEstudo imprime_;
    AbreCorrecao abreCorrecao_;
    QStringList nomes_;
    EstudoNomes estudo_;
    QString nomeEscolhido_;
    QString dataEscolhida_;

    QLineEdit* txtDataNasc_ = nullptr;
    QLabel* lblCaminho_ = nullptr;
    QLineEdit* txtNome_ = nullptr;
    QTableWidget* grdNomes_ = nullptr;
    QPushButton* cmdAdicionar_ = nullptr;
    QPushButton* cmdRemover_ = nullptr;
    QPushButton* cmdImprimir_ = nullptr;
    QPushButton* cmdAnalise_ = nullptr;
    QPushButton* cmdCorrecao_ = nullptr;
    QPushButton* cmdFechar_ = nullptr;
};

} // namespace vidalume
