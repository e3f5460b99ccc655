#include "gui/clientes/frmFichaCliente.h"

#include "clients/FichaClientes.h"
#include "engine/EntradaDados.h"
#include "gui/comum/Mensagens.h"
#include "gui/configuracao/BotoesOkCancela.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vidalume {

frmFichaCliente::frmFichaCliente(const Cliente& cliente, FichaClientes& ficha, Mensagens& mensagens,
                                 QWidget* parent)
    : QDialog(parent), cliente_(cliente), ficha_(ficha), mensagens_(mensagens) {
    setObjectName(QStringLiteral("frmFichaCliente"));
    setWindowTitle(cliente.id == 0 ? QStringLiteral("Novo cliente")
                                   : QStringLiteral("Alterar cliente"));
    setModal(true);
    montaControles();
}

void frmFichaCliente::montaControles() {
    const auto caixa = [this](const char* nome, const QString& texto, int maximo) {
        auto* c = new QLineEdit(texto, this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setMaxLength(maximo);
        return c;
    };
    txtNome_ = caixa("txtNome", cliente_.nome, Cliente::kMaximoNome);
    txtNome_->setMinimumWidth(380);
    txtNascimento_ = caixa(
        "txtNascimento",
        cliente_.nascimento.isValid() ? EntradaDados::formataData(cliente_.nascimento) : QString(),
        10);
    txtNascimento_->setMaximumWidth(140);
    txtTelefone_ = caixa("txtTelefone", cliente_.telefone, Cliente::kMaximoTelefone);
    txtEmail_ = caixa("txtEmail", cliente_.email, Cliente::kMaximoEmail);
    txtObservacoes_ = new QPlainTextEdit(cliente_.observacoes, this);
    txtObservacoes_->setObjectName(QStringLiteral("txtObservacoes"));
    txtObservacoes_->setTabChangesFocus(true);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("&Nome completo:"), txtNome_);
    campos->addRow(QStringLiteral("Nasci&mento (dd/mm/aaaa):"), txtNascimento_);
    campos->addRow(QStringLiteral("&Telefone:"), txtTelefone_);
    campos->addRow(QStringLiteral("&E-mail:"), txtEmail_);
    campos->addRow(QStringLiteral("&Observações:"), txtObservacoes_);

    auto* botoes = new BotoesOkCancela(this);
    connect(botoes->ok(), &QPushButton::clicked, this, &frmFichaCliente::cmdOk_Click);
    connect(botoes->cancela(), &QPushButton::clicked, this, &QDialog::reject);

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(campos);
    coluna->addWidget(botoes);
    txtNome_->setFocus();
}

void frmFichaCliente::cmdOk_Click() {
    Cliente c = cliente_;
    c.nome = txtNome_->text();
    c.nascimento = EntradaDados::leData(txtNascimento_->text()).value_or(QDate());
    c.telefone = txtTelefone_->text();
    c.email = txtEmail_->text();
    c.observacoes = txtObservacoes_->toPlainText();
    QString erro;
    if (!ficha_.salva(c, &erro)) {
        mensagens_.informa(this, QStringLiteral("Erro:"), erro, Mensagens::Icone::Critico);
        (c.nascimento.isValid() ? txtNome_ : txtNascimento_)->setFocus();
        return;
    }
    cliente_ = c;
    accept();
}

} // namespace vidalume
