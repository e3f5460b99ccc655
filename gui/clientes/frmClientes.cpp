#include "gui/clientes/frmClientes.h"

#include "clients/CsvClientes.h"
#include "clients/FichaClientes.h"
#include "engine/EntradaDados.h"
#include "gui/clientes/ModeloClientes.h"
#include "gui/clientes/frmFichaCliente.h"
#include "gui/comum/ArquivoGravado.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "texts/GravacaoSegura.h"
#include "texts/Mensagem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace vidalume {

const QString frmClientes::kSubstituir = QStringLiteral("&Substituir");
const QString frmClientes::kGravarCopias = QStringLiteral("&Gravar cópias");
const QString frmClientes::kPerguntaExcluir =
    QStringLiteral("Excluir o cliente \"%1\" e o registro das suas análises da ficha? Esta "
                   "operação não pode ser desfeita.");

namespace {

constexpr int kRecusasMostradas = 10;

QString textoAnalise(const AnaliseCliente& a) {
    return QStringLiteral("Feita em %1 — previsões para %2")
        .arg(a.feita.toString(QStringLiteral("dd/MM/yyyy HH:mm")),
             EntradaDados::formataData(a.referencia));
}

} // namespace

frmClientes::frmClientes(FichaClientes& ficha, Mensagens& mensagens, LigacoesClientes ligacoes,
                         QWidget* parent)
    : QDialog(parent), ficha_(ficha), mensagens_(mensagens), ligacoes_(std::move(ligacoes)) {
    setObjectName(QStringLiteral("frmClientes"));
    setWindowTitle(QStringLiteral("Clientes"));
    setModal(true);
    montaControles();
    atualiza();
}

frmClientes::~frmClientes() = default;

QPushButton* frmClientes::botao(const char* nome, const QString& legenda) {
    return BotaoJanela::cria(QString::fromLatin1(nome), legenda, this);
}

// The list of clients, sorted by any column, several selectable.
void frmClientes::montaTabela() {
    modelo_ = new ModeloClientes(this);
    ordem_ = new QSortFilterProxyModel(this);
    ordem_->setSourceModel(modelo_);
    ordem_->setSortRole(Qt::UserRole);
    tblClientes_ = new QTableView(this);
    tblClientes_->setObjectName(QStringLiteral("tblClientes"));
    tblClientes_->setModel(ordem_);
    tblClientes_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblClientes_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblClientes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblClientes_->setSortingEnabled(true);
    tblClientes_->sortByColumn(ModeloClientes::Nome, Qt::AscendingOrder);
    tblClientes_->verticalHeader()->hide();
    tblClientes_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblClientes_->horizontalHeader()->setSectionResizeMode(ModeloClientes::Nome,
                                                           QHeaderView::Stretch);
    const int largura = fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000 00:00")) + 16;
    tblClientes_->horizontalHeader()->resizeSection(ModeloClientes::UltimaAnalise, largura);
    tblClientes_->setAlternatingRowColors(true);
    tblClientes_->setMinimumSize(560, 320);
}

// The column of buttons on the right, each connected to its command.
QVBoxLayout* frmClientes::montaBotoes() {
    cmdNovaAnalise_ = botao("cmdNovaAnalise", QStringLiteral("Nova &análise"));
    cmdPrevisoes_ = botao("cmdPrevisoes", QStringLiteral("Pre&visões do ano…"));
    cmdPrevisoes_->setToolTip(
        QStringLiteral("As previsões de um ano, mês a mês, para o cliente selecionado."));
    cmdCorrecao_ = botao("cmdCorrecao", QStringLiteral("&Correção de nome…"));
    cmdCorrecao_->setToolTip(QStringLiteral(
        "Propõe grafias para o nome do cliente selecionado e compara cada uma com o original."));
    auto* cmdNovo = botao("cmdNovo", QStringLiteral("&Novo"));
    cmdEditar_ = botao("cmdEditar", QStringLiteral("&Editar"));
    cmdExcluir_ = botao("cmdExcluir", QStringLiteral("E&xcluir"));
    auto* cmdImportar = botao("cmdImportar", QStringLiteral("&Importar CSV…"));
    auto* cmdExportar = botao("cmdExportar", QStringLiteral("Ex&portar CSV…"));
    cmdExportar->setToolTip(QStringLiteral("Grava os clientes da lista num arquivo CSV."));
    cmdGerarPdfs_ = botao("cmdGerarPdfs", QStringLiteral("&Gerar PDFs…"));
    cmdGerarPdfs_->setToolTip(
        QStringLiteral("Grava numa pasta, em PDF, a análise de cada cliente da lista (ou só dos "
                       "selecionados, quando são vários)."));
    cmdReabrir_ = botao("cmdReabrir", QStringLiteral("&Reabrir análise"));
    auto* cmdFechar = botao("cmdFechar", QStringLiteral("&Fechar"));

    connect(cmdNovaAnalise_, &QPushButton::clicked, this, &frmClientes::cmdNovaAnalise_Click);
    connect(cmdPrevisoes_, &QPushButton::clicked, this, &frmClientes::cmdPrevisoes_Click);
    connect(cmdCorrecao_, &QPushButton::clicked, this, &frmClientes::cmdCorrecao_Click);
    connect(cmdNovo, &QPushButton::clicked, this, &frmClientes::cmdNovo_Click);
    connect(cmdEditar_, &QPushButton::clicked, this, &frmClientes::cmdEditar_Click);
    connect(cmdExcluir_, &QPushButton::clicked, this, &frmClientes::cmdExcluir_Click);
    connect(cmdImportar, &QPushButton::clicked, this, &frmClientes::cmdImportar_Click);
    connect(cmdExportar, &QPushButton::clicked, this, &frmClientes::cmdExportar_Click);
    connect(cmdGerarPdfs_, &QPushButton::clicked, this, &frmClientes::cmdGerarPdfs_Click);
    connect(cmdReabrir_, &QPushButton::clicked, this, &frmClientes::cmdReabrir_Click);
    connect(cmdFechar, &QPushButton::clicked, this, &QDialog::reject);

    auto* direita = new QVBoxLayout;
    for (QPushButton* b :
         {cmdNovaAnalise_, cmdPrevisoes_, cmdCorrecao_, cmdNovo, cmdEditar_, cmdExcluir_}) {
        direita->addWidget(b);
    }
    direita->addSpacing(16);
    for (QPushButton* b : {cmdImportar, cmdExportar, cmdGerarPdfs_}) {
        direita->addWidget(b);
    }
    direita->addStretch();
    direita->addWidget(cmdFechar);
    return direita;
}

void frmClientes::montaControles() {
    txtBusca_ = new QLineEdit(this);
    txtBusca_->setObjectName(QStringLiteral("txtBusca"));
    txtBusca_->setPlaceholderText(QStringLiteral("Parte do nome, com ou sem acentos"));
    txtBusca_->setClearButtonEnabled(true);
    auto* lblBusca = new QLabel(QStringLiteral("&Buscar:"), this);
    lblBusca->setBuddy(txtBusca_);
    lblTotal_ = new QLabel(this);
    lblTotal_->setObjectName(QStringLiteral("lblTotal"));

    montaTabela();

    lstAnalises_ = new QListWidget(this);
    lstAnalises_->setObjectName(QStringLiteral("lstAnalises"));
    lstAnalises_->setMaximumHeight(110);
    auto* lblAnalises = new QLabel(QStringLiteral("Aná&lises do cliente:"), this);
    lblAnalises->setBuddy(lstAnalises_);

    QVBoxLayout* direita = montaBotoes();

    connect(txtBusca_, &QLineEdit::textChanged, this, &frmClientes::txtBusca_Change);
    connect(tblClientes_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmClientes::selecaoMudou);
    connect(tblClientes_, &QTableView::doubleClicked, this, &frmClientes::cmdNovaAnalise_Click);
    connect(lstAnalises_, &QListWidget::itemDoubleClicked, this, &frmClientes::cmdReabrir_Click);

    auto* linhaBusca = new QHBoxLayout;
    linhaBusca->addWidget(lblBusca);
    linhaBusca->addWidget(txtBusca_, 1);
    linhaBusca->addWidget(lblTotal_);
    auto* esquerda = new QVBoxLayout;
    esquerda->addLayout(linhaBusca);
    esquerda->addWidget(tblClientes_, 1);
    esquerda->addWidget(lblAnalises);
    auto* linhaAnalises = new QHBoxLayout;
    linhaAnalises->addWidget(lstAnalises_, 1);
    linhaAnalises->addWidget(cmdReabrir_, 0, Qt::AlignTop);
    esquerda->addLayout(linhaAnalises);

    auto* principal = new QHBoxLayout(this);
    principal->addLayout(esquerda, 1);
    principal->addLayout(direita);
    txtBusca_->setFocus();
}

void frmClientes::erro(const QString& texto) {
    mensagens_.informa(this, QStringLiteral("Erro:"), texto, Mensagens::Icone::Critico);
}

void frmClientes::informa(const QString& texto) {
    mensagens_.informa(this, QStringLiteral("Informação:"), texto, Mensagens::Icone::Informacao);
}

void frmClientes::txtBusca_Change() {
    atualiza();
}

void frmClientes::atualiza(qint64 selecionar) {
    QString falha;
    std::vector<Cliente> clientes =
        ficha_.busca(txtBusca_->text(), &falha, FichaClientes::Campos::Lista);
    const QDate hoje = ligacoes_.hoje ? ligacoes_.hoje() : QDate::currentDate();
    modelo_->define(std::move(clientes), hoje);
    lblTotal_->setText(modelo_->rowCount() == 1
                           ? QStringLiteral("1 cliente")
                           : QStringLiteral("%1 clientes").arg(modelo_->rowCount()));
    if (!falha.isEmpty()) {
        erro(falha);
    }
    int linha = ordem_->rowCount() > 0 ? 0 : -1;
    for (int i = 0; selecionar != 0 && i < modelo_->rowCount(); ++i) {
        if (modelo_->cliente(i).id == selecionar) {
            linha = ordem_->mapFromSource(modelo_->index(i, 0)).row();
        }
    }
    if (linha >= 0) {
        tblClientes_->selectRow(linha);
        tblClientes_->scrollTo(ordem_->index(linha, 0));
    }
    selecaoMudou();
}

QList<const Cliente*> frmClientes::selecionados() const {
    QList<const Cliente*> lista;
    for (const QModelIndex& i : tblClientes_->selectionModel()->selectedRows()) {
        lista << &modelo_->cliente(ordem_->mapToSource(i).row());
    }
    return lista;
}

const Cliente* frmClientes::selecionado() const {
    const QModelIndex atual = tblClientes_->selectionModel()->currentIndex();
    if (atual.isValid() && tblClientes_->selectionModel()->isRowSelected(atual.row())) {
        return &modelo_->cliente(ordem_->mapToSource(atual).row());
    }
    const QList<const Cliente*> lista = selecionados();
    return lista.isEmpty() ? nullptr : lista.first();
}

QList<const Cliente*> frmClientes::listados() const {
    QList<const Cliente*> lista;
    for (int i = 0; i < ordem_->rowCount(); ++i) {
        lista << &modelo_->cliente(ordem_->mapToSource(ordem_->index(i, 0)).row());
    }
    return lista;
}

QList<qint64> frmClientes::idsMostrados() const {
    QList<qint64> ids;
    for (int i = 0; i < ordem_->rowCount(); ++i) {
        ids << modelo_->cliente(ordem_->mapToSource(ordem_->index(i, 0)).row()).id;
    }
    return ids;
}

void frmClientes::selecaoMudou() {
    const Cliente* c = selecionado();
    for (QPushButton* b : {cmdNovaAnalise_, cmdPrevisoes_, cmdCorrecao_, cmdEditar_, cmdExcluir_}) {
        b->setEnabled(c != nullptr);
    }
    cmdGerarPdfs_->setEnabled(ordem_->rowCount() > 0);
    lstAnalises_->clear();
    analises_.clear();
    if (c != nullptr) {
        QString falha;
        analises_ = ficha_.analises(c->id, &falha);
        for (const AnaliseCliente& a : analises_) {
            lstAnalises_->addItem(textoAnalise(a));
        }
        if (!analises_.empty()) {
            lstAnalises_->setCurrentRow(0);
        }
    }
    cmdReabrir_->setEnabled(!analises_.empty());
}

void frmClientes::cmdNovaAnalise_Click() {
    if (const Cliente* c = selecionado()) {
        pedido_ = Pedido::NovaAnalise;
        clientePedido_ = *c;
        accept();
    }
}

void frmClientes::cmdPrevisoes_Click() {
    if (const Cliente* c = selecionado()) {
        pedido_ = Pedido::Previsoes;
        clientePedido_ = *c;
        accept();
    }
}

void frmClientes::cmdCorrecao_Click() {
    if (const Cliente* c = selecionado()) {
        pedido_ = Pedido::Correcao;
        clientePedido_ = *c;
        accept();
    }
}

void frmClientes::cmdReabrir_Click() {
    const Cliente* c = selecionado();
    const int linha = lstAnalises_->currentRow();
    if (c == nullptr || linha < 0 || linha >= int(analises_.size())) {
        return;
    }
    pedido_ = Pedido::Reabre;
    clientePedido_ = *c;
    analisePedida_ = analises_[std::size_t(linha)];
    accept();
}

void frmClientes::cmdNovo_Click() {
    frmFichaCliente dialogo(Cliente{}, ficha_, mensagens_, this);
    if (dialogo.exec() == QDialog::Accepted) {
        txtBusca_->blockSignals(true);
        txtBusca_->clear();
        txtBusca_->blockSignals(false);
        atualiza(dialogo.cliente().id);
    }
}

void frmClientes::cmdEditar_Click() {
    const Cliente* c = selecionado();
    if (c == nullptr) {
        return;
    }
    QString falha;
    const std::optional<Cliente> completo = ficha_.cliente(c->id, &falha);
    if (!completo) {
        erro(falha);
        atualiza();
        return;
    }
    frmFichaCliente dialogo(*completo, ficha_, mensagens_, this);
    if (dialogo.exec() == QDialog::Accepted) {
        atualiza(dialogo.cliente().id);
    }
}

void frmClientes::cmdExcluir_Click() {
    const Cliente* c = selecionado();
    if (c == nullptr ||
        !mensagens_.pergunta(this, QStringLiteral("Atenção:"), kPerguntaExcluir.arg(c->nome),
                             Mensagens::Icone::Pergunta, Mensagens::BotaoPadrao::Nao)) {
        return;
    }
    QString falha;
    if (!ficha_.exclui(c->id, &falha)) {
        erro(falha);
    }
    atualiza();
}

void frmClientes::cmdImportar_Click() {
    const QString arquivo = ligacoes_.escolheCsv ? ligacoes_.escolheCsv(this, false) : QString();
    if (arquivo.isEmpty()) {
        return;
    }
    QFile lista(arquivo);
    if (!QFileInfo(arquivo).isFile() || !lista.open(QIODevice::ReadOnly)) {
        erro(QStringLiteral("Não foi possível ler o arquivo \"%1\".")
                 .arg(QDir::toNativeSeparators(arquivo)));
        return;
    }
    QStringList recusas;
    CsvClientes::Resultado r;
    QString falha;
    bool ok = false;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ok = CsvClientes::importa(
            ficha_, lista, r, [&recusas](const QString& linha) { recusas << linha; }, &falha);
        QApplication::restoreOverrideCursor();
    }
    if (!ok) {
        erro(falha);
        return;
    }
    QString texto = CsvClientes::resumo(r) + u'.';
    if (!recusas.isEmpty()) {
        texto += QStringLiteral("\n\n") + recusas.mid(0, kRecusasMostradas).join(u'\n');
        if (recusas.size() > kRecusasMostradas) {
            texto += QStringLiteral("\n… e mais %1.").arg(recusas.size() - kRecusasMostradas);
        }
    }
    atualiza();
    informa(texto);
}

void frmClientes::cmdExportar_Click() {
    const QString arquivo = ligacoes_.escolheCsv ? ligacoes_.escolheCsv(this, true) : QString();
    if (arquivo.isEmpty()) {
        return;
    }
    QString falha;
    const std::vector<Cliente> clientes = ficha_.busca(txtBusca_->text(), &falha);
    if (!falha.isEmpty() || !GravacaoSegura::grava(arquivo, CsvClientes::exporta(clientes), &falha,
                                                   GravacaoSegura::Acesso::SoDono)) {
        erro(falha);
        return;
    }
    informa(QStringLiteral("%1 gravados em \"%2\".")
                .arg(Mensagem::conta(clientes.size(), "cliente", "clientes"),
                     QDir::toNativeSeparators(arquivo)));
}

bool frmClientes::confirmaLote(const QList<const Cliente*>& clientes, bool selecionados,
                               const QString& pasta, QSet<QString>* proprios) {
    int alheios = 0;
    QSet<QString> existentes;
    for (const Cliente* c : clientes) {
        const QString arquivo =
            QDir(pasta).filePath(ligacoes_.nomePdf ? ligacoes_.nomePdf(*c) : QString());
        if (!ligacoes_.nomePdf || existentes.contains(arquivo) || !QFileInfo::exists(arquivo)) {
            continue;
        }
        existentes << arquivo;
        if (ligacoes_.feitoPeloPrograma && ligacoes_.feitoPeloPrograma(arquivo)) {
            *proprios << arquivo;
        } else {
            ++alheios;
        }
    }
    const qsizetype n = clientes.size();
    QString texto =
        n == 1
            ? QStringLiteral("A análise do cliente %1 será gravada em PDF na pasta \"%2\".")
                  .arg(selecionados ? QStringLiteral("selecionado") : QStringLiteral("listado"))
            : QStringLiteral("Serão gravadas em PDF as análises dos %1 clientes %2, na pasta "
                             "\"%3\".")
                  .arg(n)
                  .arg(selecionados ? QStringLiteral("selecionados") : QStringLiteral("listados"));
    texto = texto.arg(QDir::toNativeSeparators(pasta));
    if (alheios > 0) {
        texto += alheios == 1
                     ? QStringLiteral("\n\nUm arquivo com o mesmo nome, que não foi gravado pelo "
                                      "Vidalume, fica como está: essa análise será gravada com "
                                      "\"(2)\" no nome.")
                     : QStringLiteral("\n\n%1 arquivos com os mesmos nomes, que não foram "
                                      "gravados pelo Vidalume, ficam como estão: essas análises "
                                      "serão gravadas com \"(2)\" no nome.")
                           .arg(alheios);
    }
    if (proprios->isEmpty()) {
        return mensagens_.pergunta(this, QStringLiteral("Atenção:"),
                                   texto + QStringLiteral("\n\nDeseja continuar?"),
                                   Mensagens::Icone::Pergunta);
    }
    texto += proprios->size() == 1
                 ? QStringLiteral("\n\nUma dessas análises já está nessa pasta, gravada pelo "
                                  "Vidalume numa vez anterior. Substituir o arquivo ou gravar uma "
                                  "cópia com \"(2)\" no nome?")
                 : QStringLiteral("\n\n%1 dessas análises já estão nessa pasta, gravadas pelo "
                                  "Vidalume numa vez anterior. Substituir os arquivos ou gravar "
                                  "cópias com \"(2)\" no nome?")
                       .arg(proprios->size());
    switch (mensagens_.escolhe(this, QStringLiteral("Atenção:"), texto, Mensagens::Icone::Pergunta,
                               {kSubstituir, kGravarCopias, QStringLiteral("&Cancelar")})) {
    case 0:
        return true;
    case 1:
        proprios->clear();
        return true;
    default:
        return false;
    }
}

void frmClientes::cmdGerarPdfs_Click() {
    // Several rows selected are a choice; one row is only where the list happens to stand
    // (a search selects its first row), so one or none means every client listed.
    const QList<const Cliente*> selecao = selecionados();
    const bool soSelecionados = selecao.size() > 1;
    const QList<const Cliente*> clientes = soSelecionados ? selecao : listados();
    if (clientes.isEmpty() || !ligacoes_.geraPdf) {
        return;
    }
    const QString pasta = ligacoes_.escolhePasta ? ligacoes_.escolhePasta(this) : QString();
    if (pasta.isEmpty()) {
        return;
    }
    QSet<QString> proprios;
    if (!confirmaLote(clientes, soSelecionados, pasta, &proprios)) {
        return;
    }
    QProgressDialog progresso(QStringLiteral("Gravando as análises em PDF…"),
                              QStringLiteral("Cancelar"), 0, int(clientes.size()), this);
    progresso.setObjectName(QStringLiteral("dlgProgresso"));
    progresso.setWindowTitle(QStringLiteral("Gerar PDFs"));
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(0);
    int gravados = 0;
    QStringList falhas;
    for (const Cliente* c : clientes) {
        if (progresso.wasCanceled()) {
            break;
        }
        progresso.setLabelText(QStringLiteral("Gravando a análise de %1…").arg(c->nome));
        QString falha;
        const bool substitui =
            ligacoes_.nomePdf && proprios.contains(QDir(pasta).filePath(ligacoes_.nomePdf(*c)));
        if (ligacoes_.geraPdf(*c, pasta, substitui, &falha).isEmpty()) {
            falhas << c->nome + QStringLiteral(": ") + falha;
        } else {
            ++gravados;
        }
        progresso.setValue(progresso.value() + 1);
    }
    const bool cancelado = progresso.wasCanceled();
    progresso.reset();
    QString texto = QStringLiteral("%1 de %2 análises gravadas em PDF na pasta \"%3\"%4.")
                        .arg(gravados)
                        .arg(clientes.size())
                        .arg(QDir::toNativeSeparators(pasta),
                             cancelado ? QStringLiteral(" (gravação cancelada)") : QString());
    if (!falhas.isEmpty()) {
        texto += QStringLiteral("\n\n") + falhas.mid(0, kRecusasMostradas).join(u'\n');
        erro(texto);
    } else if (gravados > 0 && ligacoes_.abreEndereco &&
               mensagens_.escolhe(this, QStringLiteral("Informação:"), texto,
                                  Mensagens::Icone::Informacao,
                                  {ArquivoGravado::kAbrirPasta, ArquivoGravado::kOk}, 1) == 0) {
        if (!ligacoes_.abreEndereco(QUrl::fromLocalFile(pasta))) {
            mensagens_.informa(this, QStringLiteral("Atenção:"), ArquivoGravado::naoAbriu(pasta),
                               Mensagens::Icone::Exclamacao);
        }
    } else if (gravados == 0 || !ligacoes_.abreEndereco) {
        informa(texto);
    }
}

} // namespace vidalume
