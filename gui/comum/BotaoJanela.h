// The push button of a window that has no default button: Enter stays with the box that has
// the focus (a name being typed, a text being edited) instead of pressing the button.
#pragma once

#include <QPushButton>
#include <QString>

namespace vidalume {

class BotaoJanela {
public:
    // A button captioned `texto` in `pai`, named `nome` for the tests, that Enter never presses.
    static QPushButton* cria(const QString& nome, const QString& texto, QWidget* pai);
};

} // namespace vidalume
