// The commands of vidalume-cli as one table: each row has the command's name, its lines of
// help, whether it draws (and so needs a GUI application), and the function that runs it.
// `main` looks the name up here; the help, the list of names and the message for an unknown
// name are made from the same rows, so a new command is one row and its function.
#pragma once

#include "cli/ContextoCli.h"

#include <QString>
#include <QStringList>

#include <span>

namespace vidalume {

class TabelaComandos {
public:
    // When a command draws with fonts: never, always, or only when --saida names a file.
    enum class Desenho { Nunca, Sempre, ComSaida };

    struct Comando {
        const char* nome;
        QStringList ajuda; // lines of the help, the first beside the name
        Desenho desenho;
        int (*executa)(const ContextoCli&); // the exit code
        // Whether the command composes from the folder's settings files, and so is told
        // which of them are not taken as they stand.
        bool leConfiguracoes = true;
    };

    static std::span<const Comando> comandos();
    // The row of `nome`; null for a name no command has.
    static const Comando* acha(const QString& nome);
    // Whether the command `nome` draws, given whether --saida is set.
    static bool desenha(const QString& nome, bool comSaida);

    // The program's description for --help, with every command and its help lines.
    static QString descricao();
    // "numeros, texto, ... ou previsoes".
    static QString nomes();
    // The usage error for a name that is no command.
    static QString desconhecido();
};

} // namespace vidalume
