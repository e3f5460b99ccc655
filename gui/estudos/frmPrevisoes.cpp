#include "gui/estudos/frmPrevisoes.h"

#include "composer/PrevisoesAno.h"
#include "engine/EntradaDados.h"
#include "engine/RegrasCalculo.h"
#include "gui/comum/BotaoJanela.h"
#include "gui/comum/Mensagens.h"
#include "gui/comum/RecusaEntrada.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace vidalume {

frmPrevisoes::frmPrevisoes(const QString& nome, const QString& nascimento, int ano,
                           InicioAnoPessoal regra, Mensagens& mensagens, QWidget* parent)
    : QDialog(parent), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmPrevisoes"));
    setWindowTitle(QStringLiteral("Previsões do ano"));
    setModal(true);
    montaControles(regra);
    txtNome_->setText(nome);
    txtDataNasc_->setText(nascimento);
    txtAno_->setValue(std::clamp(ano, PrevisoesAno::kPrimeiroAno, PrevisoesAno::kUltimoAno));
    connect(cmdOk_, &QPushButton::clicked, this, &frmPrevisoes::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &QDialog::reject);
    // A date typed without slashes, or with a two-digit year, is written out as the box is
    // left, as in the entry dialog.
    connect(txtDataNasc_, &QLineEdit::editingFinished, this, [this] {
        if (const auto data = EntradaDados::normalizaData(txtDataNasc_->text())) {
            txtDataNasc_->setText(*data);
        }
    });
}

void frmPrevisoes::montaControles(InicioAnoPessoal regra) {
    auto* principal = new QVBoxLayout(this);
    auto* campos = new QFormLayout;
    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    txtNome_->setMinimumWidth(380);
    txtDataNasc_ = new QLineEdit(this);
    txtDataNasc_->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc_->setMaximumWidth(140);
    txtAno_ = new QSpinBox(this);
    txtAno_->setObjectName(QStringLiteral("txtAno"));
    txtAno_->setRange(PrevisoesAno::kPrimeiroAno, PrevisoesAno::kUltimoAno);
    txtAno_->setMaximumWidth(100);
    campos->addRow(QStringLiteral("&Nome completo:"), txtNome_);
    campos->addRow(QStringLiteral("&Data de nascimento (dd/mm/aaaa):"), txtDataNasc_);
    campos->addRow(QStringLiteral("&Ano das previsões:"), txtAno_);
    principal->addLayout(campos);
    lblRegra_ = new QLabel(QStringLiteral("O ano pessoal começa %1 (altere em Cálculos e opções).")
                               .arg(DescreveInicioAnoPessoal(regra)),
                           this);
    lblRegra_->setObjectName(QStringLiteral("lblRegra"));
    principal->addWidget(lblRegra_);

    cmdOk_ = new QPushButton(QStringLiteral("&Gerar previsões"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancelar_ =
        BotaoJanela::cria(QStringLiteral("cmdCancelar"), QStringLiteral("Cancela&r"), this);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdOk_);
    botoes->addWidget(cmdCancelar_);
    principal->addLayout(botoes);
    txtNome_->setFocus();
}

int frmPrevisoes::ano() const {
    return txtAno_->value();
}

// The checks and messages of the entry dialog: the date first, then the name.
void frmPrevisoes::cmdOk_Click() {
    if (const auto data = EntradaDados::normalizaData(txtDataNasc_->text())) {
        txtDataNasc_->setText(*data);
    }
    const QString data = txtDataNasc_->text();
    const EntradaDados::Conferencia conferida = EntradaDados::confere(txtNome_->text(), data);
    if (!conferida.aceita) {
        RecusaEntrada::mostra(mensagens_, this, conferida, txtNome_, txtDataNasc_);
        return;
    }
    const QString& nome = conferida.nome;
    QString anoRecusado;
    if (!PrevisoesAno::aceitaAno(ano(), *EntradaDados::normalizaData(data), &anoRecusado)) {
        mensagens_.informa(this, QStringLiteral("Informação:"), anoRecusado,
                           Mensagens::Icone::Informacao);
        txtAno_->setFocus();
        return;
    }
    nome_ = RegrasCalculo::pitagorica().normalizaNome(nome);
    nomeDigitado_ = RegrasCalculo::maiusculas(nome.trimmed());
    nascimento_ = *EntradaDados::normalizaData(data);
    accept();
}

} // namespace vidalume
