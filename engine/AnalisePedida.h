// The analysis a user asks for: whose it is (the full name as typed and as the school
// normalises it, and the birth date), the school it is computed by and the date its
// forecasts are made for. The main window keeps the one being made, each
// report window keeps the one it shows, and the command-line tool reads one from its
// arguments; all of them take the forecast date from dataPrevisoes().
#pragma once

#include "engine/RegrasCalculo.h"

#include <QDate>
#include <QString>

namespace vidalume {

struct AnalisePedida {
    QString NomeAnalise;    // normalised full name, or "Descartar" after a cancelled entry
    QString DataNascimento; // "dd/mm/yyyy"
    QDate DataReferencia;   // the date of the forecasts; invalid for the day it is made
    // The name as typed, in capitals with its marks: what the pages show. Empty when only
    // the normalised name is known (the pages then show that).
    QString NomeDigitado;
    EscolaCalculo Escola = EscolaCalculo::Pitagorica;

    // The name the pages show and the computations start from.
    const QString& nomeExibido() const {
        return NomeDigitado.isEmpty() ? NomeAnalise : NomeDigitado;
    }

    // The date the universal and personal numbers are computed for: the reference date,
    // or `hoje` when there is none.
    QDate dataPrevisoes(QDate hoje) const {
        return DataReferencia.isValid() ? DataReferencia : hoje;
    }

    bool operator==(const AnalisePedida&) const = default;
};

} // namespace vidalume
