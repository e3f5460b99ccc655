#include "app/Ocupado.h"

#include <QApplication>

namespace vidalume {

Ocupado::Ocupado(QWidget* janela) : janela_(janela), tela_(janela == nullptr) {
    if (tela_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        janela_->setCursor(Qt::WaitCursor);
    }
}

Ocupado::~Ocupado() {
    if (tela_) {
        QApplication::restoreOverrideCursor();
    } else if (janela_) {
        janela_->unsetCursor();
    }
}

} // namespace vidalume
