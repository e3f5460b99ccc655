// The file dialogs of the program: one to choose where a file is saved (proposing a name and
// adding its extension when the user types none) and one to choose a file to open.
#pragma once

#include <QString>

class QWidget;

namespace vidalume {

class DialogoArquivo {
public:
    // Where to save: `sugestao` (a full path) proposed, its extension added to a name typed
    // without one. An empty text when the user gives up.
    static QString paraGravar(QWidget* pai, const QString& titulo, const QString& sugestao,
                              const QString& filtro);
    // An existing file to open, starting at `inicio`. An empty text when the user gives up.
    static QString paraAbrir(QWidget* pai, const QString& titulo, const QString& inicio,
                             const QString& filtro);
};

} // namespace vidalume
