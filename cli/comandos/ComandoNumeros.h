// "numeros": every number of an analysis and of the complete map as one JSON object.
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "engine/MapaCarmico.h"
#include "engine/TabelaHarmonia.h"

#include <QByteArray>

namespace vidalume {

class ComandoNumeros {
public:
    // A hidden tendency needs `limiteTendencias` letters (3 or 4), as the map options say.
    static QByteArray json(const EntradaCli& entrada, int limiteTendencias = 4);
    // The numbers of the cabalística map of `entrada` as a JSON object: the school, the name
    // as typed, the birth date, every letter with its value, the map's numbers, its debts
    // with where they were found, the periods with their ages, the harmony of Destino and
    // Expressão under `tabela`, and the personal numbers of the date of the forecasts.
    static QByteArray jsonCabalistico(const EntradaCli& entrada, int limiteTendencias,
                                      const TabelaHarmonia& tabela);
    // The key of a debt's place: "dia_do_nascimento", "caminho_da_vida", "expressao",
    // "impulso_da_alma", "eu_silencioso".
    static QString chaveOrigem(OrigemDivida origem);
    // The key of a harmony verdict: "favoravel", "desfavoravel" or "neutra".
    static QString chaveHarmonia(Harmonia h);
};

} // namespace vidalume
