// The window "Clientes": the client file as a list (name, birth date, age, last analysis)
// that a search box narrows while the user types, without case and accents, and that sorts
// by any column. From it the user starts a new analysis for a client, reopens one of the
// client's analyses, adds, changes and removes clients (a removal asks first, No being the
// default), imports and exports CSV lists and writes PDFs into a folder, with a progress
// dialog that can be cancelled: of the selected clients when several are selected, of every
// client listed otherwise. It says how many before it starts, and offers to replace the PDFs
// an earlier batch left in the folder rather than writing "(2)" copies beside them; files of
// other programs are never replaced.
//
// A new or reopened analysis, or the forecast of a year for a client, is left to the main
// window: the window closes and pedido()
// tells what was asked for.
#pragma once

#include "clients/Cliente.h"

#include <QDate>
#include <QDialog>
#include <QSet>
#include <QUrl>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QVBoxLayout;

namespace vidalume {

class FichaClientes;
class Mensagens;
class ModeloClientes;

// What the window takes from the main window; tests replace the file dialogs.
struct LigacoesClientes {
    std::function<QDate()> hoje;
    // Writes the PDF of the client's analysis for today into `pasta` under the name nomePdf
    // gives: over the file of that name when `substitui`, else under the first free name made
    // from it ("nome (2).pdf"). Returns the file name, or nothing with the reason in `erro`.
    std::function<QString(const Cliente&, const QString& pasta, bool substitui, QString* erro)>
        geraPdf;
    // The name the PDF of the client's analysis takes ("MARIA_DA_SILVA_29-11-1978.pdf").
    std::function<QString(const Cliente&)> nomePdf;
    // Whether a file is a PDF this program wrote, which a new batch may replace.
    std::function<bool(const QString& arquivo)> feitoPeloPrograma;
    // A CSV file to read (`salvar` false) or to write; an empty text when the user gives up.
    std::function<QString(QWidget* pai, bool salvar)> escolheCsv;
    // The folder for the PDFs; an empty text when the user gives up.
    std::function<QString(QWidget* pai)> escolhePasta;
    // Opens the folder of the PDFs written, when the user asks; false when nothing opened it.
    std::function<bool(const QUrl&)> abreEndereco;
};

class frmClientes : public QDialog {
    Q_OBJECT
public:
    enum class Pedido { Nenhum, NovaAnalise, Reabre, Previsoes, Correcao };
    static const QString kPerguntaExcluir;
    static const QString kSubstituir, kGravarCopias; // the answers to PDFs already there

    frmClientes(FichaClientes& ficha, Mensagens& mensagens, LigacoesClientes ligacoes,
                QWidget* parent = nullptr);
    ~frmClientes() override;

    Pedido pedido() const { return pedido_; }
    const Cliente& clientePedido() const { return clientePedido_; }
    const AnaliseCliente& analisePedida() const { return analisePedida_; }

    // The clients shown, in the order shown.
    QList<qint64> idsMostrados() const;

private:
    void montaControles();
    void montaTabela();
    QVBoxLayout* montaBotoes();
    QPushButton* botao(const char* nome, const QString& legenda);
    void txtBusca_Change();
    void atualiza(qint64 selecionar = 0);
    void selecaoMudou();
    const Cliente* selecionado() const;
    QList<const Cliente*> selecionados() const;
    // The clients listed, in the order shown.
    QList<const Cliente*> listados() const;
    // Asks before a batch of `clientes` into `pasta`; false when the user gives up. `proprios`
    // gets the files of an earlier batch to write over.
    bool confirmaLote(const QList<const Cliente*>& clientes, bool selecionados,
                      const QString& pasta, QSet<QString>* proprios);
    void cmdNovaAnalise_Click();
    void cmdNovo_Click();
    void cmdEditar_Click();
    void cmdExcluir_Click();
    void cmdImportar_Click();
    void cmdExportar_Click();
    void cmdGerarPdfs_Click();
    void cmdReabrir_Click();
    void cmdPrevisoes_Click();
    void cmdCorrecao_Click();
    void erro(const QString& texto);
    void informa(const QString& texto);

    FichaClientes& ficha_;
    Mensagens& mensagens_;
    LigacoesClientes ligacoes_;
    Pedido pedido_ = Pedido::Nenhum;
    Cliente clientePedido_;
    AnaliseCliente analisePedida_;
    std::vector<AnaliseCliente> analises_;

    ModeloClientes* modelo_ = nullptr;
    QSortFilterProxyModel* ordem_ = nullptr;
    QLineEdit* txtBusca_ = nullptr;
    QTableView* tblClientes_ = nullptr;
    QLabel* lblTotal_ = nullptr;
    QListWidget* lstAnalises_ = nullptr;
    QPushButton* cmdNovaAnalise_ = nullptr;
    QPushButton* cmdEditar_ = nullptr;
    QPushButton* cmdExcluir_ = nullptr;
    QPushButton* cmdGerarPdfs_ = nullptr;
    QPushButton* cmdReabrir_ = nullptr;
    QPushButton* cmdPrevisoes_ = nullptr;
    QPushButton* cmdCorrecao_ = nullptr;
};

} // namespace vidalume
