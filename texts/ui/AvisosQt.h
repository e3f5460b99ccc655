// The editor's message boxes shown with QMessageBox.
#pragma once

#include "texts/ui/Avisos.h"

namespace vidalume {

class AvisosQt : public Avisos {
public:
    void erro(QWidget* pai, const QString& titulo, const QString& texto) override;
    bool perguntaPadraoNao(QWidget* pai, const QString& titulo, const QString& texto) override;
};

} // namespace vidalume
