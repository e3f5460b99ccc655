// The program's modal message boxes, behind one interface for every window, so that tests
// can answer them.
#pragma once

#include <QString>
#include <QStringList>

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
    // A message with a button for each caption of `botoes`, in that order: Enter presses the
    // one at index `padrao` (the first unless said), Esc and the window's close button the
    // last. The index of the button pressed.
    virtual int escolhe(QWidget* pai, const QString& titulo, const QString& texto, Icone icone,
                        const QStringList& botoes, int padrao = 0) = 0;
};

} // namespace vidalume
