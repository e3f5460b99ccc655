#include "gui/configuracao/frmConfiguraFonte.h"

#include "gui/comum/Mensagens.h"
#include "gui/configuracao/QuadroAmostra.h"
#include "settings/TamanhosFonte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

namespace {

const QString kRotulos[frmConfiguraFonte::kLinhas] = {
    QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão da descrição da análise:"),
    QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão do título da análise:"),
    QStringLiteral("Informe abaixo a fonte a ser utilizada na impressão do texto da análise:"),
};

QComboBox* caixaEditavel(const QString& nome, QWidget* pai) {
    auto* c = new QComboBox(pai);
    c->setObjectName(nome);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

// Selects the item at `indice`, or nothing (an empty text) when it is -1.
void seleciona(QComboBox* caixa, int indice) {
    caixa->setCurrentIndex(indice);
    if (indice < 0) {
        caixa->setEditText(QString());
    }
}

} // namespace

frmConfiguraFonte::frmConfiguraFonte(FontesAnalise& fontes, const QString& pastaPrograma,
                                     Mensagens& mensagens, const QStringList& faces,
                                     QWidget* parent)
    : QDialog(parent), fontes_(fontes), pastaPrograma_(pastaPrograma), mensagens_(mensagens),
      faces_(faces) {
    setObjectName(QStringLiteral("frmConfiguraFonte"));
    setWindowTitle(QStringLiteral("Fontes..."));
    setModal(true);
    montaControles();
    preenchendo_ = true;
    PreencheFontes();
    Visualizar();
    preenchendo_ = false;
}

void frmConfiguraFonte::montaLinha(int linha, QGridLayout* grade, const QString& rotulo) {
    const int topo = linha * 2;
    auto* lblInfo = new QLabel(rotulo, this);
    lblInfo->setObjectName(QStringLiteral("lblInfo_%1").arg(linha));
    grade->addWidget(lblInfo, topo, 0, 1, 5);

    cmbFonte_[linha] = caixaEditavel(QStringLiteral("cmbFonte_%1").arg(linha), this);
    cmbFonte_[linha]->setMinimumWidth(240);
    cmbTamanho_[linha] = caixaEditavel(QStringLiteral("cmbTamanho_%1").arg(linha), this);
    cmbTamanho_[linha]->setMinimumWidth(64);
    auto* lblTamanho = new QLabel(QStringLiteral("Tamanho:"), this);
    lblTamanho->setObjectName(QStringLiteral("lblTamanho_%1").arg(linha));
    chkNegrito_[linha] = new QCheckBox(QStringLiteral("Negrito"), this);
    chkNegrito_[linha]->setObjectName(QStringLiteral("chkNegrito_%1").arg(linha));
    chkItalico_[linha] = new QCheckBox(QStringLiteral("Itálico"), this);
    chkItalico_[linha]->setObjectName(QStringLiteral("chkItalico_%1").arg(linha));

    grade->addWidget(cmbFonte_[linha], topo + 1, 0);
    grade->addWidget(lblTamanho, topo + 1, 1, Qt::AlignRight);
    grade->addWidget(cmbTamanho_[linha], topo + 1, 2);
    grade->addWidget(chkNegrito_[linha], topo + 1, 3);
    grade->addWidget(chkItalico_[linha], topo + 1, 4);

    connect(cmbFonte_[linha], &QComboBox::editTextChanged, this, &frmConfiguraFonte::controleMudou);
    connect(cmbTamanho_[linha], &QComboBox::editTextChanged, this,
            &frmConfiguraFonte::controleMudou);
    connect(chkNegrito_[linha], &QCheckBox::toggled, this, &frmConfiguraFonte::controleMudou);
    connect(chkItalico_[linha], &QCheckBox::toggled, this, &frmConfiguraFonte::controleMudou);
}

void frmConfiguraFonte::montaControles() {
    auto* grade = new QGridLayout;
    grade->setColumnStretch(0, 1);
    for (int linha = 0; linha < kLinhas; ++linha) {
        montaLinha(linha, grade, kRotulos[linha]);
    }

    picExemplo_ = new QuadroAmostra(this);
    picExemplo_->setObjectName(QStringLiteral("picExemplo"));
    picExemplo_->setMinimumHeight(120);

    auto* cmdVisualizar = new QPushButton(QStringLiteral("Ver &Amostra"), this);
    cmdVisualizar->setObjectName(QStringLiteral("cmdVisualizar"));
    auto* cmdOk = new QPushButton(QStringLiteral("O&k"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    auto* cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    // Enter in a face or size box confirms what was typed there; it must not close the dialog.
    for (QPushButton* b : {cmdVisualizar, cmdOk, cmdCancelar}) {
        b->setAutoDefault(false);
    }
    connect(cmdVisualizar, &QPushButton::clicked, this, &frmConfiguraFonte::controleMudou);
    connect(cmdOk, &QPushButton::clicked, this, &frmConfiguraFonte::cmdOk_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &frmConfiguraFonte::cmdCancelar_Click);

    auto* botoes = new QVBoxLayout;
    botoes->addWidget(cmdVisualizar);
    botoes->addStretch();
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancelar);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(picExemplo_, 1);
    baixo->addLayout(botoes);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(grade);
    principal->addSpacing(6);
    principal->addLayout(baixo);
}

DadosFonte& frmConfiguraFonte::fonteDaLinha(int linha) {
    switch (linha) {
    case 0:
        return fontes_.FonteDescricao;
    case 1:
        return fontes_.FonteTitulo;
    default:
        return fontes_.FonteTexto;
    }
}

void frmConfiguraFonte::PreencheFontes() {
    setCursor(Qt::WaitCursor);
    std::array<int, kLinhas> faceEscolhida;
    faceEscolhida.fill(-1);
    for (int linha = 0; linha < kLinhas; ++linha) {
        cmbFonte_[linha]->clear();
    }
    for (const QString& face : faces_) {
        for (int linha = 0; linha < kLinhas; ++linha) {
            cmbFonte_[linha]->addItem(face);
            if (fonteDaLinha(linha).nomeAparado() == face) {
                faceEscolhida[linha] = cmbFonte_[linha]->count() - 1;
            }
        }
    }
    const QStringList tamanhos = TamanhosFonte::lista();
    for (int linha = 0; linha < kLinhas; ++linha) {
        seleciona(cmbFonte_[linha], faceEscolhida[linha]);
        cmbTamanho_[linha]->clear();
        cmbTamanho_[linha]->addItems(tamanhos);
        const int indiceTamanho =
            int(tamanhos.indexOf(QString::number(fonteDaLinha(linha).Tamanho)));
        seleciona(cmbTamanho_[linha], indiceTamanho);
        if (fonteDaLinha(linha).negrito()) {
            chkNegrito_[linha]->setChecked(true);
        }
        if (fonteDaLinha(linha).italico()) {
            chkItalico_[linha]->setChecked(true);
        }
    }
    unsetCursor();
}

void frmConfiguraFonte::PreencherFonte() {
    for (int linha = 0; linha < kLinhas; ++linha) {
        DadosFonte& fonte = fonteDaLinha(linha);
        fonte.defineNome(cmbFonte_[linha]->currentText());
        fonte.Negrito = chkNegrito_[linha]->isChecked() ? -1 : 0;
        fonte.Italico = chkItalico_[linha]->isChecked() ? -1 : 0;
        fonte.Tamanho = TamanhosFonte::interpreta(cmbTamanho_[linha]->currentText());
    }
}

void frmConfiguraFonte::Visualizar() {
    picExemplo_->Visualizar(fontes_);
}

void frmConfiguraFonte::controleMudou() {
    if (preenchendo_) {
        return;
    }
    PreencherFonte();
    Visualizar();
}

void frmConfiguraFonte::cmdOk_Click() {
    QString erro;
    if (!fontes_.GravaFontes(pastaPrograma_, &erro)) {
        mensagens_.informa(this, QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        return;
    }
    accept();
}

void frmConfiguraFonte::cmdCancelar_Click() {
    fontes_ = FontesAnalise::CarregaFontes(pastaPrograma_);
    QDialog::reject();
}

void frmConfiguraFonte::reject() {
    QDialog::reject();
}

void frmConfiguraFonte::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        cmdCancelar_Click();
        return;
    }
    QDialog::keyPressEvent(evento);
}

} // namespace vidalume
