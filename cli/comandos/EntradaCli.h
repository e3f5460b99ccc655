// Reading and checking the name and dates given on the command line, with the same rules
// and messages as the entry dialog.
#pragma once

#include "engine/AnalisePedida.h"

#include <QDate>
#include <QString>

namespace vidalume {

struct EntradaCli {
    QString nome;       // normalised
    QString nascimento; // "dd/mm/yyyy"
    QDate hoje;
    QDate referencia; // the date of the forecasts: `hoje` unless another is given

    static const QString kMensagemNomeVazio;

    // Checks name and birth date (date first) and reads `hojeTexto` (today's date when
    // empty) into `entrada`. False, with the message in `erro`, on refusal.
    static bool le(const QString& nome, const QString& nascimento, const QString& hojeTexto,
                   QDate hojeRelogio, EntradaCli* entrada, QString* erro);

    // Takes `texto` as the date of the forecasts; an empty text keeps `hoje`. False, with the
    // message in `erro`, when the text is no date.
    bool defineReferencia(const QString& texto, QString* erro);

    // The analysis asked for: the name, the birth date and the reference date.
    AnalisePedida pedido() const { return {nome, nascimento, referencia}; }
    // The date the forecasts are made for: the reference date, or `hoje` without one.
    QDate dataPrevisoes() const { return pedido().dataPrevisoes(hoje); }
};

} // namespace vidalume
