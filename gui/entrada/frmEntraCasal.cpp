#include "gui/entrada/frmEntraCasal.h"

#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "gui/comum/RecusaEntrada.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

frmEntraCasal::frmEntraCasal(Mensagens& mensagens, QWidget* parent)
    : QDialog(parent), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmEntraCasal"));
    setWindowTitle(QStringLiteral("Compatibilidade entre duas pessoas..."));
    setModal(true);
    montaControles();
    connect(cmdOk_, &QPushButton::clicked, this, &frmEntraCasal::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEntraCasal::montaControles() {
    auto* principal = new QVBoxLayout(this);
    const QString titulos[] = {QStringLiteral("Primeira pessoa"), QStringLiteral("Segunda pessoa")};
    for (int p = 0; p < 2; ++p) {
        auto* quadro = new QGroupBox(titulos[p], this);
        quadro->setObjectName(QStringLiteral("fraPessoa_%1").arg(p + 1));
        auto* grade = new QGridLayout(quadro);
        auto* lblNome = new QLabel(QStringLiteral("Digite abaixo o NOME COMPLETO:"), quadro);
        txtNome_[p] = new QLineEdit(quadro);
        txtNome_[p]->setObjectName(QStringLiteral("txtNome_%1").arg(p + 1));
        txtNome_[p]->setMinimumWidth(380);
        lblNome->setBuddy(txtNome_[p]);
        auto* lblData =
            new QLabel(QStringLiteral("Digite a data do nascimento (dd/mm/aaaa):"), quadro);
        txtDataNasc_[p] = new QLineEdit(quadro);
        txtDataNasc_[p]->setObjectName(QStringLiteral("txtDataNasc_%1").arg(p + 1));
        txtDataNasc_[p]->setMaximumWidth(140);
        txtDataNasc_[p]->installEventFilter(this);
        lblData->setBuddy(txtDataNasc_[p]);
        grade->addWidget(lblNome, 0, 0);
        grade->addWidget(txtNome_[p], 1, 0);
        grade->addWidget(lblData, 2, 0);
        grade->addWidget(txtDataNasc_[p], 3, 0);
        principal->addWidget(quadro);
    }
    cmdOk_ = new QPushButton(QStringLiteral("&Ler Compatibilidade"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancelar_ =
        BotaoJanela::cria(QStringLiteral("cmdCancelar"), QStringLiteral("Cancela&r"), this);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk_);
    botoes->addWidget(cmdCancelar_);
    principal->addLayout(botoes);
    setTabOrder(txtNome_[0], txtDataNasc_[0]);
    setTabOrder(txtDataNasc_[0], txtNome_[1]);
    setTabOrder(txtNome_[1], txtDataNasc_[1]);
    setTabOrder(txtDataNasc_[1], cmdOk_);
    setTabOrder(cmdOk_, cmdCancelar_);
    txtNome_[0]->setFocus();
}

// A date box that is left shows its date as "dd/mm/yyyy" when it holds one.
bool frmEntraCasal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusOut) {
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        for (QLineEdit* caixa : txtDataNasc_) {
            if (objeto == caixa && motivo != Qt::ActiveWindowFocusReason &&
                motivo != Qt::PopupFocusReason) {
                normalizaCaixaData(caixa);
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmEntraCasal::normalizaCaixaData(QLineEdit* caixa) {
    const QString texto = caixa->text();
    if (const auto data = EntradaDados::normalizaData(texto); data && *data != texto) {
        caixa->setText(*data);
    }
}

// The checks and messages of the entry dialog, for one person.
bool frmEntraCasal::confere(int p) {
    normalizaCaixaData(txtDataNasc_[p]);
    const QString data = txtDataNasc_[p]->text();
    const EntradaDados::Conferencia conferida = EntradaDados::confere(txtNome_[p]->text(), data);
    if (!conferida.aceita) {
        RecusaEntrada::mostra(mensagens_, this, conferida, txtNome_[p], txtDataNasc_[p]);
        return false;
    }
    const QString& nome = conferida.nome;
    nomes_[p] = RegrasCalculo::pitagorica().normalizaNome(nome);
    datas_[p] = *EntradaDados::normalizaData(data);
    return true;
}

void frmEntraCasal::cmdOk_Click() {
    if (confere(0) && confere(1)) {
        accept();
    }
}

} // namespace vidalume
