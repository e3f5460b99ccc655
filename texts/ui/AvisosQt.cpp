#include "texts/ui/AvisosQt.h"

#include <QMessageBox>

namespace vidalume {

void AvisosQt::erro(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::Critical, titulo, texto, QMessageBox::Ok, pai);
    caixa.exec();
}

bool AvisosQt::perguntaPadraoNao(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::Question, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                      pai);
    caixa.setDefaultButton(QMessageBox::No);
    caixa.setEscapeButton(QMessageBox::No);
    return caixa.exec() == QMessageBox::Yes;
}

} // namespace vidalume
