// The program's modal message boxes, behind one interface for every window, so that tests
// can answer them.
#pragma once

#include <QString>

class QWidget;

namespace vidalume {

class Mensagens {
public:
    enum class Icone { Critico, Exclamacao, Informacao, Pergunta };
    // The button that Enter presses in a question; Esc always answers No.
    enum class BotaoPadrao { Sim, Nao };

    virtual ~Mensagens() = default;

    // A message with one OK button.
    virtual void informa(QWidget* pai, const QString& titulo, const QString& texto,
                         Icone icone) = 0;
    // A question with the buttons Yes and No; true when Yes.
    virtual bool pergunta(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                          BotaoPadrao padrao = BotaoPadrao::Sim) = 0;
};

} // namespace vidalume
