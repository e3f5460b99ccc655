#include "gui/entrada/frmEntraNome.h"

#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "engine/Signo.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/ImagensPrograma.h"
#include "gui/comum/Mensagens.h"
#include "gui/comum/QuadroImagem.h"
#include "gui/comum/RecusaEntrada.h"
#include "settings/OpcoesMapa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vidalume {

namespace {
constexpr int kLadoSigno = 44;
} // namespace

frmEntraNome::frmEntraNome(const QString& nomeAnalise, const QString& dataNascimento,
                           const QString& pastaPrograma, Mensagens& mensagens, QWidget* parent)
    : QDialog(parent), nomeAnalise_(nomeAnalise), dataNascimento_(dataNascimento),
      pastaPrograma_(pastaPrograma), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmEntraNome"));
    setWindowTitle(QStringLiteral("Dados para análise..."));
    setModal(true);
    montaControles();
    defineHoje(QDate::currentDate());
    txtDataNasc_->installEventFilter(this);
    connect(cmdOk_, &QPushButton::clicked, this, &frmEntraNome::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmEntraNome::cmdCancelar_Click);
}

// The row of sign pictures along the top of the window.
QHBoxLayout* frmEntraNome::montaFaixaSigno() {
    auto* faixaSigno = new QHBoxLayout;
    faixaSigno->setSpacing(6);
    for (int i = 0; i < kQuadrosSigno; ++i) {
        picSigno_[i] = new QuadroImagem(QuadroImagem::Modo::Esticar, this);
        picSigno_[i]->setObjectName(QStringLiteral("picSigno_%1").arg(i));
        picSigno_[i]->setFixedSize(kLadoSigno, kLadoSigno);
        faixaSigno->addWidget(picSigno_[i]);
    }
    faixaSigno->addStretch();
    return faixaSigno;
}

// The school of the analysis, the one chosen in the options first.
QComboBox* frmEntraNome::montaEscola() {
    auto* escola = new QComboBox(this);
    escola->setObjectName(QStringLiteral("cmbEscola"));
    escola->addItem(QStringLiteral("Pitagórica"), int(EscolaCalculo::Pitagorica));
    escola->addItem(QStringLiteral("Cabalística"), int(EscolaCalculo::Cabalistica));
    escola->setCurrentIndex(escola->findData(int(OpcoesMapa::le(pastaPrograma_).escola)));
    escola->setToolTip(QStringLiteral("A escola cujas regras calculam esta análise. A "
                                      "escolha padrão fica em Cálculos e opções."));
    return escola;
}

void frmEntraNome::montaControles() {
    QHBoxLayout* faixaSigno = montaFaixaSigno();

    auto* lblNome = new QLabel(QStringLiteral("Digite abaixo o NOME COMPLETO:"), this);
    lblNome->setObjectName(QStringLiteral("lblInfo_0"));
    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    txtNome_->setMinimumWidth(380);
    lblNome->setBuddy(txtNome_);

    auto* lblData = new QLabel(QStringLiteral("Digite a data do nascimento (dd/mm/aaaa):"), this);
    lblData->setObjectName(QStringLiteral("lblInfo_1"));
    txtDataNasc_ = new QLineEdit(this);
    txtDataNasc_->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc_->setMaximumWidth(140);
    lblData->setBuddy(txtDataNasc_);

    auto* lblReferencia = new QLabel(QStringLiteral("&Previsões para:"), this);
    lblReferencia->setObjectName(QStringLiteral("lblReferencia"));
    txtReferencia_ = new QLineEdit(this);
    txtReferencia_->setObjectName(QStringLiteral("txtReferencia"));
    txtReferencia_->setMaximumWidth(140);
    txtReferencia_->setToolTip(QStringLiteral("A data para a qual são calculados os anos, "
                                              "meses e dias universais e pessoais (dd/mm/aaaa)."));
    lblReferencia->setBuddy(txtReferencia_);
    auto* lblEscola = new QLabel(QStringLiteral("&Escola de cálculo:"), this);
    cmbEscola_ = montaEscola();
    lblEscola->setBuddy(cmbEscola_);
    chkGuardar_ = new QCheckBox(QStringLiteral("&Guardar na ficha de clientes"), this);
    chkGuardar_->setObjectName(QStringLiteral("chkGuardar"));

    cmdOk_ = new QPushButton(QStringLiteral("&Analisar"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancelar_ =
        BotaoJanela::cria(QStringLiteral("cmdCancelar"), QStringLiteral("Cancela&r"), this);

    auto* grade = new QGridLayout;
    grade->addWidget(lblNome, 0, 0, 1, 3);
    grade->addWidget(txtNome_, 1, 0, 1, 3);
    grade->addWidget(lblData, 2, 0, 1, 3);
    grade->addWidget(txtDataNasc_, 3, 0);
    grade->addWidget(lblReferencia, 4, 0, 1, 3);
    grade->addWidget(txtReferencia_, 5, 0);
    grade->addWidget(chkGuardar_, 5, 1);
    grade->addWidget(lblEscola, 6, 0);
    grade->addWidget(cmbEscola_, 6, 1);
    grade->setColumnStretch(1, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdOk_);
    botoes->addWidget(cmdCancelar_);
    grade->addLayout(botoes, 5, 2);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(faixaSigno);
    principal->addSpacing(8);
    principal->addLayout(grade);
    setTabOrder(txtNome_, txtDataNasc_);
    setTabOrder(txtDataNasc_, txtReferencia_);
    setTabOrder(txtReferencia_, chkGuardar_);
    setTabOrder(chkGuardar_, cmbEscola_);
    setTabOrder(cmbEscola_, cmdOk_);
    setTabOrder(cmdOk_, cmdCancelar_);
    txtNome_->setFocus();
}

void frmEntraNome::defineHoje(QDate hoje) {
    txtReferencia_->setText(EntradaDados::formataData(hoje));
}

void frmEntraNome::preenche(const QString& nome, const QString& dataNascimento, bool guardar) {
    txtNome_->setText(nome);
    txtDataNasc_->setText(dataNascimento);
    dataNascimento_ = dataNascimento;
    chkGuardar_->setChecked(guardar);
}

EscolaCalculo frmEntraNome::escola() const {
    return EscolaCalculo(cmbEscola_->currentData().toInt());
}

void frmEntraNome::defineEscola(EscolaCalculo escola) {
    cmbEscola_->setCurrentIndex(cmbEscola_->findData(int(escola)));
}

bool frmEntraNome::guardarNaFicha() const {
    return chkGuardar_->isChecked();
}

bool frmEntraNome::cancelado() const {
    return nomeAnalise_ == EntradaDados::kMarcadorCancelado;
}

bool frmEntraNome::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == txtDataNasc_ && evento->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the dialog leaves the box; switching to another
        // window or opening a menu does not.
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            txtDataNasc_LostFocus();
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmEntraNome::normalizaCaixaData() {
    const QString texto = txtDataNasc_->text();
    dataNascimento_ = EntradaDados::normalizaData(texto).value_or(texto);
    if (dataNascimento_ != texto) {
        txtDataNasc_->setText(dataNascimento_);
    }
}

void frmEntraNome::txtDataNasc_LostFocus() {
    normalizaCaixaData();
    if (const auto data = EntradaDados::leData(dataNascimento_)) {
        mostraSigno(SignoDoNascimento(data->day(), data->month()));
    } else {
        // The box drops its selection as it loses the focus; the text is selected right after,
        // so that the next keystroke in the box replaces it.
        QTimer::singleShot(0, txtDataNasc_, [caixa = txtDataNasc_] {
            caixa->setSelection(0, int(caixa->text().size()));
        });
    }
}

void frmEntraNome::mostraSigno(int indice) {
    const QString arquivo = ImagensPrograma::signo(pastaPrograma_, indice);
    for (QuadroImagem* quadro : picSigno_) {
        quadro->mostra(arquivo);
    }
}

void frmEntraNome::cmdOk_Click() {
    // Enter in the date box reaches here without the box being left: the date is rewritten
    // first, so that a date typed as 20/8/78 is handed back as 20/08/1978.
    normalizaCaixaData();
    const EntradaDados::Conferencia conferida =
        EntradaDados::confere(txtNome_->text(), dataNascimento_);
    if (!conferida.aceita) {
        RecusaEntrada::mostra(mensagens_, this, conferida, txtNome_, txtDataNasc_);
        return;
    }
    const QString& nome = conferida.nome;
    const auto referencia = EntradaDados::leData(txtReferencia_->text());
    if (!referencia) {
        mensagens_.informa(this, QStringLiteral("Erro:"),
                           EntradaDados::mensagemOutraData(QStringLiteral("\"Previsões para\"")),
                           Mensagens::Icone::Critico);
        txtReferencia_->setFocus();
        txtReferencia_->selectAll();
        return;
    }
    referencia_ = *referencia;
    txtReferencia_->setText(EntradaDados::formataData(referencia_));
    nomeDigitado_ = nome.trimmed();
    setWindowTitle(QStringLiteral("Gerando análise, aguarde..."));
    cmdOk_->setEnabled(false);
    cmdCancelar_->setEnabled(false);
    nomeAnalise_ = OpcoesMapa::le(pastaPrograma_).regras(escola()).normalizaNome(nome);
    accept();
}

void frmEntraNome::cmdCancelar_Click() {
    nomeAnalise_ = EntradaDados::kMarcadorCancelado;
    QDialog::reject();
}

void frmEntraNome::reject() {
    cmdCancelar_Click();
}

} // namespace vidalume
