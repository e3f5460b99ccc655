#include "gui/configuracao/BotoesOkCancela.h"

#include <QPushButton>

namespace vidalume {

BotoesOkCancela::BotoesOkCancela(QWidget* parent)
    : QDialogButtonBox(parent), ok_(new QPushButton(QStringLiteral("O&k"), this)),
      cancela_(new QPushButton(QStringLiteral("Cancela&r"), this)) {
    ok_->setObjectName(QStringLiteral("cmdOk"));
    ok_->setDefault(true);
    cancela_->setObjectName(QStringLiteral("cmdCancelar"));
    addButton(ok_, QDialogButtonBox::AcceptRole);
    addButton(cancela_, QDialogButtonBox::RejectRole);
}

} // namespace vidalume
