// "previsoes": the forecast of a year for one person. As JSON, every day of the year with
// its universal and personal numbers:
//
//   {"ano": Y, "inicio_ano_pessoal": "janeiro" | "aniversario", "ano_universal": UY,
//    "meses": [{"mes": 1, "mes_universal": UM, "dias": [{"dia": 1, "dia_universal": UD,
//    "ano_pessoal": PY, "mes_pessoal": PM, "dia_pessoal": PD}, ...]}, ... 12 months]}
//
// or, composed with the folder's interpretation files, as the report (text, PDF, ODT).
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "composer/PrevisoesAno.h"

#include <QByteArray>
#include <QString>

namespace vidalume {

class ComandoPrevisoes {
public:
    // Reads the year of the forecast from `texto`; an empty text takes the year of
    // `referencia`. False, with PrevisoesAno::kMensagemAno in `erro`, for anything that is
    // not a year from 1900 to 2100, and with its own message for a year before the birth
    // year of `nascimento` ("dd/mm/yyyy").
    static bool leAno(const QString& texto, QDate referencia, const QString& nascimento, int* ano,
                      QString* erro);

    static QByteArray json(const EntradaCli& entrada, int ano);
    // The forecast composed with the interpretation files of `pasta`; the line of life is
    // seen from the entry's reference date.
    static PrevisoesAno compoe(const EntradaCli& entrada, int ano, const QString& pasta);
};

} // namespace vidalume
