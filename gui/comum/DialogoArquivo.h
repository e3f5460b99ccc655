// The file dialogs of the program: one to choose where a file is saved (proposing a name and
// adding its extension when the user types none), one to choose a file to open and one to
// choose a folder. Each starts in the user's documents folder, or in the home folder where
// there is none, never in the folder the program happens to run in.
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
    // An existing folder, starting in pastaInicial(). An empty text when the user gives up.
    static QString paraPasta(QWidget* pai, const QString& titulo);

    // The user's documents folder when it exists, else the home folder.
    static QString pastaInicial();
    // `nome` in pastaInicial() (a full path).
    static QString naPastaInicial(const QString& nome);
};

} // namespace vidalume
