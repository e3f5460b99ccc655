// What every command of vidalume-cli is given: the parsed command line, its options and the
// data folder already resolved; and the few things every command does the same way (writing
// to the standard streams, reading the person, refusing an output file).
#pragma once

#include "cli/OpcoesCli.h"
#include "cli/comandos/ComandoClientes.h"
#include "cli/comandos/EntradaCli.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace vidalume {

struct ContextoCli {
    const QCommandLineParser& parser;
    const OpcoesCli& o;
    QString pasta; // the data folder

    // The positional argument `i` after the command's name (1: the first one).
    QString argumento(int i) const { return parser.positionalArguments().value(i); }

    // Reads --nome, --nascimento, --hoje, --referencia and --inicio-ano-pessoal into
    // `entrada`. False after writing the message to the standard error.
    bool leEntrada(EntradaCli* entrada) const;

    // Whether `arquivo` may be written as an output: false, after writing why to the standard
    // error, when it is one of the data folder's own files (the client file and its logs,
    // texts, settings, their dated copies, through a link or another name of the same file)
    // or, with `soArquivoComum`, when it exists and is a folder, device, FIFO or socket.
    bool alvoPermitido(const QString& arquivo, bool soArquivoComum = true) const;

    // Whether the data folder has interpretation files to compose an analysis from: false,
    // after the message, for a folder given with --pasta that holds none (a mistyped path
    // would otherwise give blank analyses reported as done).
    bool temTextos() const;
};

// Writes `bytes` whole to `destino` and flushes it.
void escreve(FILE* destino, const QByteArray& bytes);
// Writes `mensagem` as a line of the standard error and returns `codigo`.
int erro(const QString& mensagem, int codigo = 2);
// Writes the messages and output of a folder command and returns its exit code.
int conclui(const ComandoClientes::Saida& s);

} // namespace vidalume
