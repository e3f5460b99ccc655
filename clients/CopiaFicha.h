// The client file in backups, through SQLite itself (its online backup and VACUUM INTO), never
// by copying or replacing the database file: committed clients that still sit in the
// write-ahead log are in every copy, and a restored file never meets a stale log.
//
// Every file made here is readable by its owner only (0600).
#pragma once

#include <QString>

namespace vidalume {

class CopiaFicha {
public:
    // Writes the whole current content of the database `origem` (including what other
    // connections committed to its log) as a new single-file database `destino`, which must
    // not exist. `origem` is not changed. False, with a message.
    static bool copia(const QString& origem, const QString& destino, QString* erro);

    // Replaces the content of the database `destino` (created when missing) by that of the
    // database `origem`, in one transaction through SQLite, so programs that have it open
    // see the old or the new content and its log stays consistent. A `destino` that is not a
    // database or is damaged is removed with its log first: keep a copy of it before.
    // False, with a message, when nothing was changed.
    static bool restaura(const QString& origem, const QString& destino, QString* erro);

    // Rewrites the database `arquivo` (a private copy nobody else has open) without its free
    // pages, so that what is restored from it is no bigger than its content. False, with a
    // message.
    static bool compacta(const QString& arquivo, QString* erro);

    // Copies the bytes of `origem` (and of its "-wal" log, when present, as `destino` +
    // "-wal") as they are: the copy of a file SQLite cannot read. `destino` must not exist.
    static bool copiaBytes(const QString& origem, const QString& destino, QString* erro);
};

} // namespace vidalume
