// Where the program keeps its files. The data folder holds the interpretation files and the
// settings files, which the user changes; the program's own read-only files (the folder
// "imagens", the sounds and the help page) lie in the program folder or in the installed
// folder. One function resolves both for the desktop program and for vidalume-cli:
//
//  - portable: the executable's folder holds interpretation files and can be written (a build
//    folder, a folder copied as a whole). That folder is the data folder and holds the
//    pictures, sounds and help page too.
//  - installed: otherwise. The data folder is the user's own (QStandardPaths::AppDataLocation,
//    e.g. ~/.local/share/Vidalume); it is created when missing and every shipped interpretation
//    file it lacks is copied into it from the installed folder (../share/vidalume beside the
//    executable's folder, or the executable's folder itself when it holds interpretation files
//    but cannot be written). A file the user has is never replaced, so an upgrade that ships
//    new texts leaves edited texts alone and only adds files the user never had.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vidalume {

class PastaDados {
public:
    enum class Modo { Portatil, Instalado };

    struct Local {
        Modo modo = Modo::Portatil;
        QString dados;     // interpretation and settings files, written by the program
        QString recursos;  // "imagens", sounds and the help page, only read
        QString originais; // the shipped interpretation files, only read; may not exist
    };

    // The installed folder beside an executable folder: `pastaExecutavel` followed by the
    // relative path the build was configured with (../share/vidalume).
    static QString instalada(const QString& pastaExecutavel);

    // Whether `pastaExecutavel` is a portable program folder.
    static bool portatil(const QString& pastaExecutavel);
    // The read-only folder of an executable folder that is not portable: the folder itself
    // when it holds interpretation files (a read-only copy of a program folder), otherwise
    // instalada().
    static QString somenteLeitura(const QString& pastaExecutavel);

    // Resolves the folders, and in installed mode prepares `pastaUsuario` as described above.
    // None, with a message in `erro`, when the installed folder has no interpretation files
    // or the user's folder cannot be created or filled.
    static std::optional<Local> resolve(const QString& pastaExecutavel, const QString& pastaUsuario,
                                        QString* erro);

    // resolve() for this process: the folder of the running executable and the user's folder
    // "Vidalume" in the generic data location (the AppDataLocation of an application named
    // Vidalume), the same for the desktop program and for vidalume-cli. Needs the application
    // object.
    static std::optional<Local> doPrograma(QString* erro);

    // Copies each shipped interpretation file of `origem` that `destino` lacks. A file that
    // appears in `destino` meanwhile is kept. False, with a message in `erro`, on the first
    // file that could not be read or written; the files copied before it stay.
    static bool copiaFaltantes(const QString& origem, const QString& destino, QString* erro);

    // The interpretation files ("CVIDA.DAT" ...) lying in `pasta`, sorted.
    static QStringList arquivosInterpretacao(const QString& pasta);
    // Whether `nome` is the name of an interpretation file: one to eight capital letters or
    // digits, starting with a letter, then ".DAT".
    static bool nomeInterpretacao(const QString& nome);

    // Whether `caminho` is one of the files of the data folder `pastaDados` that the program
    // keeps (the client file and its logs, interpretation and settings files, their dated
    // copies, the restore's lock), reached by its own path, through links, or as another name of
    // the same file. Commands that write a file the user names refuse these.
    static bool arquivoProprio(const QString& pastaDados, const QString& caminho);
    // What the user is told when asked to write over such a file, `caminho`.
    static QString recusaProprio(const QString& pastaDados, const QString& caminho);
    // Whether `nome` names such a file inside the data folder.
    static bool nomeProprio(const QString& nome);

    // The one place the program asks where its read-only files lie: the folder that holds
    // "imagens", the sounds and the help page, for the data folder `pastaDados`. That is
    // `pastaDados` itself unless usaRecursos() named another folder.
    static QString recursos(const QString& pastaDados);
    // Called once at start-up in installed mode, with Local::recursos; empty goes back to
    // reading the read-only files from the data folder.
    static void usaRecursos(const QString& pasta);

    // Test seam: whether the program may write into a folder (by default, what the file
    // system says for this user; root may write almost anywhere, so tests answer instead).
    static inline std::function<bool(const QString& pasta)> gravavelTeste;

private:
    static QString& recursosDefinidos();
};

} // namespace vidalume
