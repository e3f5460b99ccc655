// The "Ok" (default) and "Cancelar" buttons of a settings dialog, named cmdOk and cmdCancelar.
#pragma once

#include <QDialogButtonBox>

class QPushButton;

namespace vidalume {

class BotoesOkCancela : public QDialogButtonBox {
    Q_OBJECT
public:
    explicit BotoesOkCancela(QWidget* parent);

    QPushButton* ok() const { return ok_; }
    QPushButton* cancela() const { return cancela_; }

private:
    QPushButton* ok_;
    QPushButton* cancela_;
};

} // namespace vidalume
