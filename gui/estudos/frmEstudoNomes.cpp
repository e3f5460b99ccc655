#include "gui/estudos/frmEstudoNomes.h"

#include "engine/EntradaDados.h"
#include "engine/Windows1252.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "gui/comum/RecusaEntrada.h"
#include "settings/HarmoniaCabalistica.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vidalume {

const QString frmEstudoNomes::kMensagemLimite =
    QStringLiteral("O estudo comporta até 20 nomes. Remova um nome antes de acrescentar outro.");
const QString frmEstudoNomes::kMensagemSemNomes =
    QStringLiteral("Para imprimir o estudo, acrescente ao menos um nome completo.");
const QString frmEstudoNomes::kPerguntaFechar = QStringLiteral("Fechar o estudo de nomes? %1");

frmEstudoNomes::frmEstudoNomes(const QString& dataNascimento, const QString& pastaPrograma,
                               Mensagens& mensagens, ImprimeEstudo imprime, QWidget* parent)
    : QDialog(parent), pastaPrograma_(pastaPrograma),
      regras_(OpcoesMapa::le(pastaPrograma).regras()), mensagens_(mensagens),
      imprime_(std::move(imprime)) {
    setObjectName(QStringLiteral("frmEstudoNomes"));
    setWindowTitle(QStringLiteral("Estudo de nomes"));
    setModal(true);
    montaControles();
    txtDataNasc_->setText(dataNascimento);
    atualiza();
    (dataNascimento.isEmpty() ? txtDataNasc_ : txtNome_)->setFocus();
}

// The table of names, a column for each number of the school in use.
void frmEstudoNomes::montaTabela() {
    const auto& colunas = EstudoNomes::rotulosDa(regras_.escola()).colunasJanela;
    grdNomes_ = new QTableWidget(0, int(colunas.size()), this);
    grdNomes_->setObjectName(QStringLiteral("grdNomes"));
    grdNomes_->setHorizontalHeaderLabels(QStringList(colunas.cbegin(), colunas.cend()));
    grdNomes_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdNomes_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdNomes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdNomes_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdNomes_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdNomes_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grdNomes_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdNomes_->setWordWrap(false);
    grdNomes_->setMinimumSize(1000, 360);
}

// Every control to its command, and the tab order down the window.
void frmEstudoNomes::ligaSinais() {
    connect(txtDataNasc_, &QLineEdit::textChanged, this, &frmEstudoNomes::atualiza);
    connect(txtNome_, &QLineEdit::textEdited, this, &frmEstudoNomes::txtNome_Change);
    // Enter after a name starts the next one, as typing a list would.
    connect(txtNome_, &QLineEdit::returnPressed, this, [this] {
        if (!txtNome_->text().trimmed().isEmpty()) {
            cmdAdicionar_Click();
        }
    });
    connect(grdNomes_, &QTableWidget::itemSelectionChanged, this,
            &frmEstudoNomes::grdNomes_SelectionChange);
    connect(grdNomes_, &QTableWidget::cellDoubleClicked, this, &frmEstudoNomes::cmdAnalise_Click);
    connect(cmdAdicionar_, &QPushButton::clicked, this, &frmEstudoNomes::cmdAdicionar_Click);
    connect(cmdRemover_, &QPushButton::clicked, this, &frmEstudoNomes::cmdRemover_Click);
    connect(cmdImprimir_, &QPushButton::clicked, this, &frmEstudoNomes::cmdImprimir_Click);
    connect(cmdAnalise_, &QPushButton::clicked, this, &frmEstudoNomes::cmdAnalise_Click);
    connect(cmdCorrecao_, &QPushButton::clicked, this, &frmEstudoNomes::cmdCorrecao_Click);
    connect(cmdFechar_, &QPushButton::clicked, this, &QDialog::reject);
    QWidget* ordem[] = {txtDataNasc_, txtNome_,    cmdAdicionar_, cmdRemover_, grdNomes_,
                        cmdImprimir_, cmdAnalise_, cmdCorrecao_,  cmdFechar_};
    for (size_t i = 1; i < std::size(ordem); ++i) {
        setTabOrder(ordem[i - 1], ordem[i]);
    }
}

void frmEstudoNomes::montaControles() {
    auto* lblData = new QLabel(QStringLiteral("Data de &nascimento (dd/mm/aaaa):"), this);
    txtDataNasc_ = new QLineEdit(this);
    txtDataNasc_->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc_->setMaximumWidth(140);
    lblData->setBuddy(txtDataNasc_);
    lblCaminho_ = new QLabel(this);
    lblCaminho_->setObjectName(QStringLiteral("lblCaminho"));
    QFont negrito = lblCaminho_->font();
    negrito.setBold(true);
    lblCaminho_->setFont(negrito);

    auto* lblNome = new QLabel(QStringLiteral("N&ome completo do candidato selecionado:"), this);
    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    lblNome->setBuddy(txtNome_);
    cmdAdicionar_ = BotaoJanela::cria("cmdAdicionar", QStringLiteral("&Adicionar"), this);
    cmdRemover_ = BotaoJanela::cria("cmdRemover", QStringLiteral("&Remover"), this);

    montaTabela();

    cmdImprimir_ = BotaoJanela::cria("cmdImprimir", QStringLiteral("&Imprimir..."), this);
    cmdAnalise_ = BotaoJanela::cria("cmdAnalise", QStringLiteral("Abrir Análi&se"), this);
    cmdFechar_ = BotaoJanela::cria("cmdFechar", QStringLiteral("&Fechar"), this);
    cmdCorrecao_ = BotaoJanela::cria("cmdCorrecao", QStringLiteral("&Correção de nome…"), this);
    cmdCorrecao_->setToolTip(QStringLiteral("Propõe grafias para o nome selecionado e compara "
                                            "cada uma com o original."));
    cmdCorrecao_->setVisible(false);

    auto* grade = new QGridLayout;
    grade->addWidget(lblData, 0, 0);
    grade->addWidget(txtDataNasc_, 0, 1);
    grade->addWidget(lblCaminho_, 0, 2, 1, 3);
    grade->addWidget(lblNome, 1, 0, 1, 5);
    grade->addWidget(txtNome_, 2, 0, 1, 3);
    grade->addWidget(cmdAdicionar_, 2, 3);
    grade->addWidget(cmdRemover_, 2, 4);
    grade->setColumnStretch(2, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdImprimir_);
    botoes->addWidget(cmdAnalise_);
    botoes->addWidget(cmdCorrecao_);
    botoes->addStretch();
    botoes->addWidget(cmdFechar_);
    auto* principal = new QVBoxLayout(this);
    principal->addLayout(grade);
    principal->addWidget(grdNomes_, 1);
    principal->addLayout(botoes);

    ligaSinais();
}

int frmEstudoNomes::linhaSelecionada() const {
    const QList<QTableWidgetSelectionRange> faixas = grdNomes_->selectedRanges();
    return faixas.isEmpty() ? -1 : faixas.first().topRow();
}

void frmEstudoNomes::selecionaLinha(int linha) {
    if (linha >= 0 && linha < grdNomes_->rowCount()) {
        grdNomes_->selectRow(linha);
    } else {
        grdNomes_->clearSelection();
    }
    grdNomes_SelectionChange();
}

// The table and the life path from the names and the date as they stand.
void frmEstudoNomes::atualiza() {
    estudo_ = EstudoNomes::calcula(txtDataNasc_->text(), nomes_, regras_,
                                   HarmoniaCabalistica::le(pastaPrograma_));
    lblCaminho_->setText(
        estudo_.caminhoDaVida > 0
            ? QStringLiteral("%1: %2").arg(estudo_.rotulos().numeroData).arg(estudo_.caminhoDaVida)
            : QStringLiteral("Digite uma data de nascimento válida."));
    const QSignalBlocker bloqueio(grdNomes_);
    grdNomes_->setRowCount(int(estudo_.candidatos.size()));
    for (int linha = 0; linha < estudo_.candidatos.size(); ++linha) {
        preencheLinha(linha, estudo_.candidatos[linha]);
    }
    cmdAdicionar_->setEnabled(nomes_.size() < EstudoNomes::kMaximoNomes);
    cmdRemover_->setEnabled(!nomes_.isEmpty());
}

// A name the entry would refuse (or any name while the date is no date) shows no numbers.
void frmEstudoNomes::preencheLinha(int linha, const CandidatoNome& candidato) {
    const auto celulas = candidato.celulas();
    for (int coluna = 0; coluna < int(celulas.size()); ++coluna) {
        QString texto = celulas[coluna];
        if (coluna > 0 && !candidato.aceito) {
            texto.clear();
        }
        QTableWidgetItem* item = grdNomes_->item(linha, coluna);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(coluna == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::Alignment(Qt::AlignCenter));
            grdNomes_->setItem(linha, coluna, item);
        }
        item->setText(texto);
    }
}

void frmEstudoNomes::grdNomes_SelectionChange() {
    const int linha = linhaSelecionada();
    txtNome_->setText(linha >= 0 ? nomes_.value(linha) : QString());
}

// The name box edits the selected row; with none selected, typing starts a new one.
void frmEstudoNomes::txtNome_Change(const QString& texto) {
    int linha = linhaSelecionada();
    if (linha < 0) {
        if (nomes_.size() >= EstudoNomes::kMaximoNomes) {
            mensagens_.informa(this, QStringLiteral("Atenção:"), kMensagemLimite,
                               Mensagens::Icone::Exclamacao);
            txtNome_->clear();
            return;
        }
        nomes_.append(QString());
        linha = int(nomes_.size()) - 1;
        atualiza();
        const QSignalBlocker bloqueio(grdNomes_);
        grdNomes_->selectRow(linha);
    }
    // Only what a Windows-1252 text box can hold, as in the entry dialog.
    nomes_[linha] = Windows1252::restringe(texto);
    atualiza();
}

void frmEstudoNomes::preenche(const QStringList& nomes) {
    nomes_ = nomes.mid(0, EstudoNomes::kMaximoNomes);
    atualiza();
    selecionaLinha(-1);
}

void frmEstudoNomes::reject() {
    qsizetype digitados = 0;
    for (const QString& nome : std::as_const(nomes_)) {
        digitados += nome.trimmed().isEmpty() ? 0 : 1;
    }
    if (digitados > 0 &&
        !mensagens_.pergunta(
            this, QStringLiteral("Atenção:"),
            kPerguntaFechar.arg(
                digitados == 1
                    ? QStringLiteral("O nome digitado será descartado.")
                    : QStringLiteral("Os %1 nomes digitados serão descartados.").arg(digitados)),
            Mensagens::Icone::Pergunta, Mensagens::BotaoPadrao::Nao)) {
        return;
    }
    QDialog::reject();
}

void frmEstudoNomes::cmdAdicionar_Click() {
    if (nomes_.size() >= EstudoNomes::kMaximoNomes) {
        mensagens_.informa(this, QStringLiteral("Atenção:"), kMensagemLimite,
                           Mensagens::Icone::Exclamacao);
        return;
    }
    nomes_.append(QString());
    atualiza();
    selecionaLinha(int(nomes_.size()) - 1);
    txtNome_->setFocus();
}

void frmEstudoNomes::cmdRemover_Click() {
    const int linha = linhaSelecionada();
    if (linha < 0) {
        return;
    }
    nomes_.removeAt(linha);
    atualiza();
    selecionaLinha(std::min(linha, int(nomes_.size()) - 1));
}

bool frmEstudoNomes::dataAceita() {
    if (const auto data = EntradaDados::normalizaData(txtDataNasc_->text())) {
        if (*data != txtDataNasc_->text()) {
            txtDataNasc_->setText(*data);
        }
        return true;
    }
    mensagens_.informa(this, QStringLiteral("Erro:"), EntradaDados::kMensagemDataInvalida,
                       Mensagens::Icone::Critico);
    txtDataNasc_->setFocus();
    txtDataNasc_->selectAll();
    return false;
}

// The entry dialog's checks of a name, on the name of `linha` (the date was checked first).
bool frmEstudoNomes::nomeAceito(int linha) {
    const EntradaDados::Conferencia conferida =
        EntradaDados::confere(nomes_.value(linha), txtDataNasc_->text());
    if (conferida.aceita) {
        return true;
    }
    RecusaEntrada::mostra(mensagens_, this, conferida, txtNome_, txtDataNasc_);
    return false;
}

void frmEstudoNomes::cmdImprimir_Click() {
    if (!dataAceita()) {
        return;
    }
    const EstudoNomes estudo =
        EstudoNomes::compoe(txtDataNasc_->text(), nomes_, ArquivoInterpretacao(pastaPrograma_),
                            regras_, HarmoniaCabalistica::le(pastaPrograma_));
    if (estudo.aceitos() == 0) {
        mensagens_.informa(this, QStringLiteral("Atenção:"), kMensagemSemNomes,
                           Mensagens::Icone::Exclamacao);
        txtNome_->setFocus();
        return;
    }
    if (imprime_) {
        imprime_(this, estudo);
    }
}

void frmEstudoNomes::cmdAnalise_Click() {
    const int linha = linhaSelecionada();
    if (linha < 0 || !dataAceita() || !nomeAceito(linha)) {
        return;
    }
    atualiza();
    nomeEscolhido_ = estudo_.candidatos[linha].nomeNormalizado;
    dataEscolhida_ = estudo_.DataNascimento;
    accept();
}

void frmEstudoNomes::defineCorrecao(AbreCorrecao abre) {
    abreCorrecao_ = std::move(abre);
    cmdCorrecao_->setVisible(bool(abreCorrecao_));
}

void frmEstudoNomes::cmdCorrecao_Click() {
    if (!abreCorrecao_) {
        return;
    }
    const int linha = std::max(linhaSelecionada(), 0);
    abreCorrecao_(this, nomes_.value(linha), txtDataNasc_->text());
}

} // namespace vidalume
