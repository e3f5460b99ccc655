#include "gui/clientes/frmRestauraCopia.h"

#include "gui/configuracao/BotoesOkCancela.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vidalume {

frmRestauraCopia::frmRestauraCopia(const CopiaCompleta& copia, QWidget* parent)
    : QDialog(parent), copia_(copia) {
    setObjectName(QStringLiteral("frmRestauraCopia"));
    setWindowTitle(QStringLiteral("Restaurar cópia de segurança..."));
    setModal(true);

    optTudo_ =
        new QRadioButton(QStringLiteral("&Tudo: textos, configurações e ficha de clientes"), this);
    optTudo_->setObjectName(QStringLiteral("optTudo"));
    optSemClientes_ = new QRadioButton(
        QStringLiteral("Só os textos e as &configurações (a ficha de clientes fica como está)"),
        this);
    optSemClientes_->setObjectName(QStringLiteral("optSemClientes"));
    optSoClientes_ = new QRadioButton(QStringLiteral("Só a &ficha de clientes"), this);
    optSoClientes_->setObjectName(QStringLiteral("optSoClientes"));
    const bool temTextos = copia.recusa(CopiaCompleta::Partes::SemClientes).isEmpty();
    const bool temClientes = copia.recusa(CopiaCompleta::Partes::SoClientes).isEmpty();
    // Only a choice the archive can give is offered.
    optTudo_->setEnabled(temTextos && temClientes);
    optSemClientes_->setEnabled(temTextos);
    optSoClientes_->setEnabled(temClientes);
    (temTextos && temClientes ? optTudo_
     : temClientes            ? optSoClientes_
                              : optSemClientes_)
        ->setChecked(true);

    lblPergunta_ = new QLabel(this);
    lblPergunta_->setObjectName(QStringLiteral("lblPergunta"));
    lblPergunta_->setWordWrap(true);
    lblPergunta_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QRadioButton* opcao : {optTudo_, optSemClientes_, optSoClientes_}) {
        connect(opcao, &QRadioButton::toggled, this, &frmRestauraCopia::mostraPergunta);
    }
    mostraPergunta();

    auto* botoes = new BotoesOkCancela(this);
    botoes->ok()->setText(QStringLiteral("R&estaurar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(optTudo_);
    coluna->addWidget(optSemClientes_);
    coluna->addWidget(optSoClientes_);
    coluna->addWidget(lblPergunta_);
    coluna->addWidget(botoes);
    setMinimumWidth(520);
}

CopiaCompleta::Partes frmRestauraCopia::partes() const {
    if (optSoClientes_->isChecked()) {
        return CopiaCompleta::Partes::SoClientes;
    }
    return optSemClientes_->isChecked() ? CopiaCompleta::Partes::SemClientes
                                        : CopiaCompleta::Partes::Tudo;
}

void frmRestauraCopia::mostraPergunta() {
    lblPergunta_->setText(copia_.pergunta(partes()));
}

} // namespace vidalume
