// The message boxes of the interpretation editor, behind an interface so that tests can
// answer them and the main window can route them through its own.
#pragma once

#include <QString>

class QWidget;

namespace vidalume {

class Avisos {
public:
    virtual ~Avisos() = default;
    // A message with the critical icon and one OK button.
    virtual void erro(QWidget* pai, const QString& titulo, const QString& texto) = 0;
    // A question with the question icon and the buttons Yes and No, No being the default
    // (Enter) and Esc; true when the answer is Yes.
    virtual bool perguntaPadraoNao(QWidget* pai, const QString& titulo, const QString& texto) = 0;
};

} // namespace vidalume
