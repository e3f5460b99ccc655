#include "gui/estudos/frmCorrecaoNome.h"

#include "engine/EntradaDados.h"
#include "engine/Windows1252.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "gui/comum/RecusaEntrada.h"
#include "gui/estudos/ModeloCorrecao.h"
#include "gui/estudos/QuadroTriangulos.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/OpcoesMapa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

namespace vidalume {

const QString frmCorrecaoNome::kMensagemMarcados =
    QStringLiteral("O relatório compara até cinco candidatos com o nome original. Desmarque um "
                   "candidato antes de marcar outro.");

namespace {

QCheckBox* caixa(const char* nome, const QString& texto, QWidget* pai) {
    auto* chk = new QCheckBox(texto, pai);
    chk->setObjectName(QString::fromLatin1(nome));
    chk->setChecked(true);
    return chk;
}

} // namespace

frmCorrecaoNome::frmCorrecaoNome(const QString& pastaPrograma, Mensagens& mensagens,
                                 FazRelatorio relatorio, QWidget* parent)
    : QDialog(parent), pastaPrograma_(pastaPrograma), mensagens_(mensagens),
      relatorio_(std::move(relatorio)) {
    setObjectName(QStringLiteral("frmCorrecaoNome"));
    setWindowTitle(QStringLiteral("Correção de nome"));
    setModal(true);
    montaControles();
    cmbEscola_->setCurrentIndex(
        OpcoesMapa::le(pastaPrograma_).escola == EscolaCalculo::Cabalistica ? 1 : 0);
    cmbEscola_Change();
    txtNome_->setFocus();
}

frmCorrecaoNome::~frmCorrecaoNome() {
    paraTrabalho();
}

QWidget* frmCorrecaoNome::montaEntradas() {
    auto* painel = new QWidget(this);
    txtNome_ = new QLineEdit(painel);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    txtDataNasc_ = new QLineEdit(painel);
    txtDataNasc_->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc_->setMaximumWidth(140);
    cmbEscola_ = new QComboBox(painel);
    cmbEscola_->setObjectName(QStringLiteral("cmbEscola"));
    cmbEscola_->addItems({QStringLiteral("Pitagórica"), QStringLiteral("Cabalística")});
    cmbMudancas_ = new QComboBox(painel);
    cmbMudancas_->setObjectName(QStringLiteral("cmbMudancas"));
    cmbMudancas_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    cmbMudancas_->setCurrentIndex(1);
    auto* formulario = new QFormLayout;
    const auto rotulo = [&](const QString& texto, QWidget* campo) {
        auto* lbl = new QLabel(texto, painel);
        lbl->setBuddy(campo);
        formulario->addRow(lbl, campo);
    };
    rotulo(QStringLiteral("N&ome completo, como registrado:"), txtNome_);
    rotulo(QStringLiteral("Data de &nascimento (dd/mm/aaaa):"), txtDataNasc_);
    rotulo(QStringLiteral("&Escola:"), cmbEscola_);
    rotulo(QStringLiteral("Mudanças por &candidato:"), cmbMudancas_);

    auto* fraMudancas = new QGroupBox(QStringLiteral("Mudanças permitidas"), painel);
    chkAcentos_ = caixa("chkAcentos", QStringLiteral("&Acentos nas vogais e cedilha"), fraMudancas);
    chkDobras_ = caixa("chkDobras", QStringLiteral("Uma letra &dobrada"), fraMudancas);
    chkFinais_ = caixa("chkFinais", QStringLiteral("Letra final (&H, E, A ou Y)"), fraMudancas);
    chkNomes_ =
        caixa("chkNomes", QStringLiteral("Nome do &meio retirado ou abreviado"), fraMudancas);
    auto* caixas = new QVBoxLayout(fraMudancas);
    for (QCheckBox* c : {chkAcentos_, chkDobras_, chkFinais_, chkNomes_}) {
        caixas->addWidget(c);
    }
    txtProprios_ = new QPlainTextEdit(painel);
    txtProprios_->setObjectName(QStringLiteral("txtProprios"));
    txtProprios_->setTabChangesFocus(true);
    auto* lblProprios = new QLabel(QStringLiteral("Candidatos &próprios (um por linha):"), painel);
    lblProprios->setBuddy(txtProprios_);
    auto* proprios = new QVBoxLayout;
    proprios->addWidget(lblProprios);
    proprios->addWidget(txtProprios_);

    auto* linha = new QHBoxLayout(painel);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->addLayout(formulario, 2);
    linha->addWidget(fraMudancas, 1);
    linha->addLayout(proprios, 1);
    painel->setMaximumHeight(170);
    return painel;
}

// The candidates' table beside the tabs of the one selected: its numbers and its triangles.
QSplitter* frmCorrecaoNome::montaCandidatos() {
    modelo_ = new ModeloCorrecao(this);
    filtro_ = new QSortFilterProxyModel(this);
    filtro_->setSourceModel(modelo_);
    filtro_->setSortRole(ModeloCorrecao::kPapelOrdem);
    filtro_->setFilterRole(ModeloCorrecao::kPapelSemSequencias);
    filtro_->setFilterKeyColumn(ModeloCorrecao::Ordem);
    tblCandidatos_ = new QTableView(this);
    tblCandidatos_->setObjectName(QStringLiteral("tblCandidatos"));
    tblCandidatos_->setModel(filtro_);
    tblCandidatos_->setSortingEnabled(true);
    tblCandidatos_->sortByColumn(ModeloCorrecao::Ordem, Qt::AscendingOrder);
    tblCandidatos_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblCandidatos_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblCandidatos_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblCandidatos_->horizontalHeader()->setStretchLastSection(true);
    tblCandidatos_->setWordWrap(false);
    tblCandidatos_->horizontalHeader()->setMinimumSectionSize(60);
    tblCandidatos_->verticalHeader()->setVisible(false);
    tblCandidatos_->setMinimumSize(640, 300);

    lblDetalhe_ = new QLabel(this);
    lblDetalhe_->setObjectName(QStringLiteral("lblDetalhe"));
    lblDetalhe_->setWordWrap(true);
    lblDetalhe_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblDetalhe_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDetalhe_->setMinimumWidth(260);
    lblDetalhe_->setMargin(6);
    picTriangulos_ = new QuadroTriangulos;
    picTriangulos_->setObjectName(QStringLiteral("picTriangulos"));
    auto* rolagem = new QScrollArea;
    rolagem->setWidget(picTriangulos_);
    rolagem->setWidgetResizable(true);
    tabCandidato_ = new QTabWidget(this);
    tabCandidato_->setObjectName(QStringLiteral("tabCandidato"));
    tabCandidato_->addTab(lblDetalhe_, QStringLiteral("Números"));
    tabCandidato_->addTab(rolagem, QStringLiteral("Triângulos"));
    auto* divisao = new QSplitter(this);
    divisao->addWidget(tblCandidatos_);
    divisao->addWidget(tabCandidato_);
    divisao->setStretchFactor(0, 3);
    divisao->setStretchFactor(1, 2);
    divisao->setSizes({700, 400});
    return divisao;
}

void frmCorrecaoNome::montaControles() {
    QWidget* entradas = montaEntradas();
    cmdCalcular_ = BotaoJanela::cria("cmdCalcular", QStringLiteral("Ca&lcular"), this);
    cmdCancelar_ = BotaoJanela::cria("cmdCancelar", QStringLiteral("Cancela&r"), this);
    barProgresso_ = new QProgressBar(this);
    barProgresso_->setObjectName(QStringLiteral("barProgresso"));
    cmdCancelar_->setVisible(false);
    barProgresso_->setVisible(false);

    lblOrdem_ = new QLabel(this);
    lblOrdem_->setObjectName(QStringLiteral("lblOrdem"));
    lblOrdem_->setWordWrap(true);
    lblConclusao_ = new QLabel(this);
    lblConclusao_->setObjectName(QStringLiteral("lblConclusao"));
    lblConclusao_->setWordWrap(true);
    QFont negrito = lblConclusao_->font();
    negrito.setBold(true);
    lblConclusao_->setFont(negrito);
    chkSoSemSequencias_ = new QCheckBox(QStringLiteral("Só sem se&quências"), this);
    chkSoSemSequencias_->setObjectName(QStringLiteral("chkSoSemSequencias"));

    QSplitter* divisao = montaCandidatos();

    cmdRelatorio_ = BotaoJanela::cria("cmdRelatorio", QStringLiteral("Rela&tório…"), this);
    cmdRelatorio_->setToolTip(QStringLiteral("O estudo impresso, com o nome original e os "
                                             "candidatos marcados (até cinco)."));
    cmdRelatorio_->setVisible(bool(relatorio_));
    auto* cmdFechar = BotaoJanela::cria("cmdFechar", QStringLiteral("&Fechar"), this);

    auto* calculo = new QHBoxLayout;
    calculo->addWidget(cmdCalcular_);
    calculo->addWidget(barProgresso_, 1);
    calculo->addWidget(cmdCancelar_);
    calculo->addStretch();
    calculo->addWidget(chkSoSemSequencias_);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdRelatorio_);
    botoes->addStretch();
    botoes->addWidget(cmdFechar);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(entradas);
    principal->addLayout(calculo);
    principal->addWidget(lblOrdem_);
    principal->addWidget(lblConclusao_);
    principal->addWidget(divisao, 1);
    principal->addLayout(botoes);
    resize(1100, 720);

    ligaSinais(cmdFechar);
}

void frmCorrecaoNome::ligaSinais(QPushButton* cmdFechar) {
    connect(cmbEscola_, &QComboBox::currentIndexChanged, this, &frmCorrecaoNome::cmbEscola_Change);
    connect(chkSoSemSequencias_, &QCheckBox::toggled, this,
            &frmCorrecaoNome::chkSoSemSequencias_Click);
    connect(tblCandidatos_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmCorrecaoNome::selecaoMudou);
    connect(modelo_, &ModeloCorrecao::limiteMarcados, this, [this] {
        mensagens_.informa(this, QStringLiteral("Atenção:"), kMensagemMarcados,
                           Mensagens::Icone::Exclamacao);
    });
    connect(txtNome_, &QLineEdit::returnPressed, this, &frmCorrecaoNome::cmdCalcular_Click);
    connect(txtDataNasc_, &QLineEdit::returnPressed, this, &frmCorrecaoNome::cmdCalcular_Click);
    connect(cmdCalcular_, &QPushButton::clicked, this, &frmCorrecaoNome::cmdCalcular_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmCorrecaoNome::cmdCancelar_Click);
    connect(cmdRelatorio_, &QPushButton::clicked, this, &frmCorrecaoNome::cmdRelatorio_Click);
    connect(cmdFechar, &QPushButton::clicked, this, &QDialog::reject);
}

void frmCorrecaoNome::preenche(const QString& nome, const QString& data) {
    txtNome_->setText(Windows1252::restringe(nome));
    txtDataNasc_->setText(data);
    if (EntradaDados::confere(nome, data).aceita) {
        cmdCalcular_Click();
    }
}

const CorrecaoNome& frmCorrecaoNome::estudo() const {
    return modelo_->estudo();
}

const QList<int>& frmCorrecaoNome::marcados() const {
    return modelo_->marcados();
}

// Marks count nothing in the pitagórica school; the triangles only exist in the cabalística.
void frmCorrecaoNome::cmbEscola_Change() {
    const bool cabalistica = cmbEscola_->currentIndex() == 1;
    chkAcentos_->setEnabled(cabalistica);
    chkAcentos_->setToolTip(cabalistica ? QString()
                                        : QStringLiteral("Na escola pitagórica os acentos e a "
                                                         "cedilha não mudam o valor das letras."));
    if (modelo_->rowCount() == 0) {
        mostraColunas(cabalistica);
        chkSoSemSequencias_->setEnabled(cabalistica);
    }
}

void frmCorrecaoNome::mostraColunas(bool cabalistica) {
    for (int c : {ModeloCorrecao::Sequencias, ModeloCorrecao::Regente}) {
        tblCandidatos_->setColumnHidden(c, !cabalistica);
    }
}

void frmCorrecaoNome::chkSoSemSequencias_Click() {
    filtro_->setFilterFixedString(chkSoSemSequencias_->isChecked() ? QStringLiteral("1")
                                                                   : QString());
}

void frmCorrecaoNome::selecaoMudou() {
    const QModelIndexList linhas = tblCandidatos_->selectionModel()->selectedRows();
    picTriangulos_->limpa();
    if (linhas.isEmpty()) {
        lblDetalhe_->clear();
        return;
    }
    const int i = filtro_->mapToSource(linhas.first()).row();
    const CorrecaoNome& e = modelo_->estudo();
    lblDetalhe_->setText(e.descricao(e.candidatos[i]).join(u'\n'));
    if (e.escola == EscolaCalculo::Cabalistica) {
        const MapaCabalistico m = CorrecaoNome::mapa(e.candidatos[i].nome, e.pedido);
        QStringList letras;
        for (const MapaCabalistico::Letra& l : m.letras) {
            letras << QString(l.letra);
        }
        picTriangulos_->define(m.piramide, letras);
    }
}

bool frmCorrecaoNome::entradasAceitas(CorrecaoNome::Pedido* pedido) {
    const auto recusa = [this](const QString& texto, QWidget* campo) {
        mensagens_.informa(this, QStringLiteral("Erro:"), texto, Mensagens::Icone::Critico);
        campo->setFocus();
        return false;
    };
    const EntradaDados::Conferencia conferida =
        EntradaDados::confere(txtNome_->text(), txtDataNasc_->text());
    if (!conferida.aceita) {
        RecusaEntrada::mostra(mensagens_, this, conferida, txtNome_, txtDataNasc_);
        return false;
    }
    const auto data = EntradaDados::normalizaData(txtDataNasc_->text());
    txtDataNasc_->setText(*data);
    QStringList proprios;
    for (const QString& linha : txtProprios_->toPlainText().split(u'\n')) {
        if (linha.trimmed().isEmpty()) {
            continue;
        }
        if (const QString motivo = CorrecaoNome::recusaProprio(linha, *data); !motivo.isEmpty()) {
            return recusa(QStringLiteral("O candidato \"%1\" não pode ser estudado. %2")
                              .arg(linha.trimmed(), motivo),
                          txtProprios_);
        }
        proprios << Windows1252::restringe(EntradaDados::preparaNome(linha));
    }
    const OpcoesMapa opcoes = OpcoesMapa::le(pastaPrograma_);
    const EscolaCalculo escola =
        cmbEscola_->currentIndex() == 1 ? EscolaCalculo::Cabalistica : EscolaCalculo::Pitagorica;
    pedido->nome = conferida.nome;
    pedido->nascimento = *data;
    pedido->regras = opcoes.regras(escola);
    pedido->tabela = HarmoniaCabalistica::le(pastaPrograma_);
    pedido->opcoes.acentos = chkAcentos_->isChecked();
    pedido->opcoes.dobras = chkDobras_->isChecked();
    pedido->opcoes.finais = chkFinais_->isChecked();
    pedido->opcoes.nomes = chkNomes_->isChecked();
    pedido->opcoes.profundidade = cmbMudancas_->currentIndex() + 1;
    pedido->opcoes.proprios = proprios;
    return true;
}

void frmCorrecaoNome::cmdCalcular_Click() {
    CorrecaoNome::Pedido pedido;
    if (entradasAceitas(&pedido)) {
        inicia(pedido);
    }
}

// The study runs on its own thread; its progress comes back through the event loop, and
// the result is read only once the thread has finished.
void frmCorrecaoNome::inicia(const CorrecaoNome::Pedido& pedido) {
    paraTrabalho();
    pedido_ = pedido;
    cancelar_ = std::make_shared<std::atomic<bool>>(false);
    const auto cancelar = cancelar_;
    trabalho_ = QThread::create([this, pedido, cancelar] {
        resultado_ = CorrecaoNome::calcula(pedido, cancelar.get(), [this](int feitos, int total) {
            QMetaObject::invokeMethod(
                this, [this, feitos, total] { mostraProgresso(feitos, total); },
                Qt::QueuedConnection);
        });
    });
    connect(trabalho_, &QThread::finished, this, &frmCorrecaoNome::terminou);
    cmdCalcular_->setEnabled(false);
    cmdCancelar_->setVisible(true);
    cmdCancelar_->setEnabled(true);
    barProgresso_->setVisible(true);
    barProgresso_->setRange(0, 0);
    lblConclusao_->setText(QStringLiteral("Calculando os candidatos…"));
    trabalho_->start();
}

void frmCorrecaoNome::mostraProgresso(int feitos, int total) {
    if (trabalho_ != nullptr) {
        barProgresso_->setRange(0, total);
        barProgresso_->setValue(feitos);
    }
}

void frmCorrecaoNome::terminou() {
    if (trabalho_ == nullptr || sender() != trabalho_) {
        return;
    }
    trabalho_->deleteLater();
    trabalho_ = nullptr;
    cmdCalcular_->setEnabled(true);
    cmdCancelar_->setVisible(false);
    barProgresso_->setVisible(false);
    if (resultado_.cancelado) {
        lblOrdem_->clear();
        lblConclusao_->setText(resultado_.conclusao());
        modelo_->define(CorrecaoNome());
        return;
    }
    const bool cabalistica = resultado_.escola == EscolaCalculo::Cabalistica;
    lblOrdem_->setText(resultado_.explicacaoOrdem());
    lblConclusao_->setText(resultado_.conclusao());
    modelo_->define(std::move(resultado_));
    resultado_ = CorrecaoNome();
    mostraColunas(cabalistica);
    chkSoSemSequencias_->setEnabled(cabalistica);
    tabCandidato_->setTabEnabled(1, cabalistica);
    if (!cabalistica) {
        chkSoSemSequencias_->setChecked(false);
        tabCandidato_->setCurrentIndex(0);
    }
    tblCandidatos_->sortByColumn(ModeloCorrecao::Ordem, Qt::AscendingOrder);
    tblCandidatos_->selectRow(0);
}

void frmCorrecaoNome::cmdCancelar_Click() {
    if (cancelar_) {
        cancelar_->store(true);
    }
    cmdCancelar_->setEnabled(false);
}

// Asks a running study to stop and waits for its thread, whose result is dropped.
void frmCorrecaoNome::paraTrabalho() {
    if (trabalho_ == nullptr) {
        return;
    }
    cancelar_->store(true);
    trabalho_->wait();
    disconnect(trabalho_, nullptr, this, nullptr);
    delete trabalho_;
    trabalho_ = nullptr;
}

void frmCorrecaoNome::cmdRelatorio_Click() {
    if (!relatorio_) {
        return;
    }
    if (modelo_->estudo().candidatos.isEmpty()) {
        mensagens_.informa(this, QStringLiteral("Atenção:"),
                           QStringLiteral("Calcule os candidatos antes de fazer o relatório."),
                           Mensagens::Icone::Exclamacao);
        return;
    }
    relatorio_(this, modelo_->estudo(), modelo_->marcados());
}

void frmCorrecaoNome::reject() {
    paraTrabalho();
    QDialog::reject();
}

} // namespace vidalume
