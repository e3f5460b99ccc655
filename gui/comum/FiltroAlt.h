// Alt held with a letter is the key of a mnemonic. When the letter is none of the window's
// mnemonics, Qt hands the key press to the control with the focus, and a text box would type
// the letter (Alt+J adding a "j" to a name). This filter, installed once on the application,
// drops such key presses on text boxes, lists and spin boxes; mnemonics, menus and Alt
// without a character (Alt+arrows, Alt+F4) are untouched, and AltGr, which types characters
// on many keyboards, is not Alt.
#pragma once

#include <QObject>

class QCoreApplication;

namespace vidalume {

class FiltroAlt : public QObject {
    Q_OBJECT
public:
    // Installs a filter on `aplicacao`, owned by it, for the whole run.
    static void instala(QCoreApplication& aplicacao);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    explicit FiltroAlt(QObject* parent) : QObject(parent) {}
};

} // namespace vidalume
