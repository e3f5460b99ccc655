// The analysis a user asks for: whose it is (the normalised full name and the birth date)
// and the date its forecasts are made for. The main window keeps the one being made, each
// report window keeps the one it shows, and the command-line tool reads one from its
// arguments; all of them take the forecast date from dataPrevisoes().
#pragma once

#include <QDate>
#include <QString>

namespace vidalume {

struct AnalisePedida {
    QString NomeAnalise;    // normalised full name, or "Descartar" after a cancelled entry
    QString DataNascimento; // "dd/mm/yyyy"
    QDate DataReferencia;   // the date of the forecasts; invalid for the day it is made

    // The date the universal and personal numbers are computed for: the reference date,
    // or `hoje` when there is none.
    QDate dataPrevisoes(QDate hoje) const {
        return DataReferencia.isValid() ? DataReferencia : hoje;
    }

    bool operator==(const AnalisePedida&) const = default;
};

} // namespace vidalume
