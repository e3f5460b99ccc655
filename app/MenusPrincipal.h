// The main window's menu bar: every menu item with its mnemonic, shortcut and object name,
// routed to the main window's command of the same name. Every toolbar command is also a
// menu item. The Janela menu also lists the open report windows by their titles.
#pragma once

namespace vidalume {

class frmPrincipal;

class MenusPrincipal {
public:
    // Builds the menus of `janela` and connects each item to its command.
    static void monta(frmPrincipal& janela);

private:
    static void menuArquivo(frmPrincipal& janela);
    // Its arrangements, then the open report windows, listed each time it opens.
    static void menuJanela(frmPrincipal& janela);
};

} // namespace vidalume
