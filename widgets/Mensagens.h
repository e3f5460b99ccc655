// The program's modal message boxes, behind an interface so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace vidalume {

class Mensagens {
public:
    enum class Icone { Critico, Exclamacao, Informacao, Pergunta };

    virtual ~Mensagens() = default;

    // A message with one OK button.
    virtual void informa(QWidget* pai, const QString& titulo, const QString& texto,
                         Icone icone) = 0;
    // A question with the buttons Yes and No (Yes is the default); true when Yes.
    virtual bool pergunta(QWidget* pai, const QString& titulo, const QString& texto,
                          Icone icone) = 0;
    // A question with the question icon and the buttons Yes and No, No being the default
    // (Enter) and Esc; true when Yes. For questions whose Yes replaces the user's files.
    virtual bool perguntaPadraoNao(QWidget* pai, const QString& titulo, const QString& texto) = 0;
};

} // namespace vidalume
