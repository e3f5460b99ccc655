// Message boxes shown with QMessageBox; the button texts come from the installed Portuguese
// translation of Qt.
#pragma once

#include "gui/comum/Mensagens.h"

namespace vidalume {

class MensagensQt : public Mensagens {
public:
    void informa(QWidget* pai, const QString& titulo, const QString& texto, Icone icone) override;
    bool pergunta(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                  BotaoPadrao padrao = BotaoPadrao::Sim) override;
    int escolhe(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                const QStringList& botoes, int padrao = 0) override;
};

} // namespace vidalume
