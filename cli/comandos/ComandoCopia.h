// "copia": the backup of the data folder from the command line, doing what the two menu items
// do, with the same checks, kept copies and messages, so a backup can be scheduled.
//   fazer ARQUIVO.zip                  texts, settings and client file into one archive
//   restaurar ARQUIVO.zip              everything the archive holds
//       [--sem-clientes | --so-clientes] the texts and settings only, or the client file only
#pragma once

#include "cli/comandos/ComandoClientes.h"

#include <QDateTime>
#include <QString>

namespace vidalume {

class ComandoCopia {
public:
    // Exit 0 when the archive was written; 1 when it could not be; 2 without a file name.
    static ComandoClientes::Saida faz(const QString& arquivo, const QString& pasta,
                                      const QDateTime& agora);
    // Exit 0 only when every part asked for was restored; 1 when the archive was refused or a
    // file could not be replaced (the message says which were); 2 for a wrong command line.
    static ComandoClientes::Saida restaura(const QString& arquivo, const QString& pasta,
                                           bool semClientes, bool soClientes,
                                           const QDateTime& agora);
};

} // namespace vidalume
