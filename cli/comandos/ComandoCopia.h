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
    // Exit 0 when the archive was written whole; 1 when it could not be, or was written without
    // a file a restore would refuse (the message names it); 2 without a file name.
    static ComandoClientes::Saida faz(const QString& arquivo, const QString& pasta,
                                      const QDateTime& agora);
    // Exit 0 only when every part asked for was restored; 1 when the archive was refused, a
    // file could not be replaced or an entry of the archive was left out as damaged (the
    // message says which); 2 for a wrong command line.
    static ComandoClientes::Saida restaura(const QString& arquivo, const QString& pasta,
                                           bool semClientes, bool soClientes,
                                           const QDateTime& agora);
};

} // namespace vidalume
