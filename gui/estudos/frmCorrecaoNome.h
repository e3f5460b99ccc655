// The name correction window: the name as registered, the birth date, the school, the kinds
// of change allowed (all on), how many changes a candidate may have and the user's own
// candidates; "Calcular" runs the study on a worker thread, with its progress and a
// "Cancelar" button, so the window never freezes. Above the ranked table (sortable by any
// column, with the filter "Só sem sequências" in the cabalística school) a sentence explains
// the order and another says what the study found. Beside the table, the selected candidate's
// numbers and (cabalística) its four triangles drawn as in the map. Up to five candidates are
// marked for the report; "Relatório…" hands the study and the marked candidates to the caller
// (hidden when the caller gives no way to make the report).
//
// In the pitagórica school marks change no letter's value, so the accents box is off and
// disabled there.
#pragma once

#include "composer/CorrecaoNome.h"

#include <QDialog>
#include <QList>

#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QSplitter;
class QTabWidget;
class QTableView;
class QThread;

namespace vidalume {

class Mensagens;
class ModeloCorrecao;
class QuadroTriangulos;

class frmCorrecaoNome : public QDialog {
    Q_OBJECT
public:
    // Makes the report of `estudo` with its candidates of indices `marcados` (in
    // estudo.candidatos; the original is not among them unless the user marked it).
    using FazRelatorio =
        std::function<void(QWidget* pai, const CorrecaoNome& estudo, const QList<int>& marcados)>;

    static const QString kMensagemMarcados; // more than five marked

    // The school starts as the folder's setting; `relatorio` may be empty.
    frmCorrecaoNome(const QString& pastaPrograma, Mensagens& mensagens, FazRelatorio relatorio = {},
                    QWidget* parent = nullptr);
    ~frmCorrecaoNome() override;

    // Fills the name and the date and, when both are accepted, starts the study.
    void preenche(const QString& nome, const QString& data);

    // What the table shows (empty before the first study ends).
    const CorrecaoNome& estudo() const;
    // The indices (in estudo().candidatos) of the candidates marked for the report.
    const QList<int>& marcados() const;
    // Whether a study is running.
    bool calculando() const { return trabalho_ != nullptr; }

    void cmdCalcular_Click();
    void cmdCancelar_Click();
    void cmdRelatorio_Click();
    void reject() override;

private:
    void montaControles();
    QWidget* montaEntradas();
    QSplitter* montaCandidatos();
    void ligaSinais(QPushButton* cmdFechar);
    void cmbEscola_Change();
    void mostraColunas(bool cabalistica);
    void chkSoSemSequencias_Click();
    void selecaoMudou();
    bool entradasAceitas(CorrecaoNome::Pedido* pedido);
    void inicia(const CorrecaoNome::Pedido& pedido);
    void terminou();
    void mostraProgresso(int feitos, int total);
    void paraTrabalho();

    QString pastaPrograma_;
    Mensagens& mensagens_;
    FazRelatorio relatorio_;
    CorrecaoNome::Pedido pedido_; // of the study shown or running
    CorrecaoNome resultado_;      // written by the worker, read once it finished
    std::shared_ptr<std::atomic<bool>> cancelar_;
    QThread* trabalho_ = nullptr;

    ModeloCorrecao* modelo_ = nullptr;
    QSortFilterProxyModel* filtro_ = nullptr;
    QLineEdit* txtNome_ = nullptr;
    QLineEdit* txtDataNasc_ = nullptr;
    QComboBox* cmbEscola_ = nullptr;
    QCheckBox* chkAcentos_ = nullptr;
    QCheckBox* chkDobras_ = nullptr;
    QCheckBox* chkFinais_ = nullptr;
    QCheckBox* chkNomes_ = nullptr;
    QComboBox* cmbMudancas_ = nullptr;
    QPlainTextEdit* txtProprios_ = nullptr;
    QPushButton* cmdCalcular_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    QProgressBar* barProgresso_ = nullptr;
    QLabel* lblOrdem_ = nullptr;
    QLabel* lblConclusao_ = nullptr;
    QCheckBox* chkSoSemSequencias_ = nullptr;
    QTableView* tblCandidatos_ = nullptr;
    QTabWidget* tabCandidato_ = nullptr;
    QLabel* lblDetalhe_ = nullptr;
    QuadroTriangulos* picTriangulos_ = nullptr;
    QPushButton* cmdRelatorio_ = nullptr;
};

} // namespace vidalume
