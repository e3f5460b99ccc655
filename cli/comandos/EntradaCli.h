// Reading and checking the name and dates given on the command line, with the same rules
// and messages as the entry dialog.
#pragma once

#include <QDate>
#include <QString>

namespace vidalume {

struct EntradaCli {
    QString nome;       // normalised
    QString nascimento; // "dd/mm/yyyy"
    QDate hoje;

    static const QString kMensagemNomeVazio;

    // Checks name and birth date (date first) and reads `hojeTexto` (today's date when
    // empty) into `entrada`. False, with the message in `erro`, on refusal.
    static bool le(const QString& nome, const QString& nascimento, const QString& hojeTexto,
                   QDate hojeRelogio, EntradaCli* entrada, QString* erro);
};

} // namespace vidalume
