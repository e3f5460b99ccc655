// Every number of the cabalística map of a name and a birth date: the name's numbers
// (Motivação, Impressão, Expressão), the date's (Destino, Número Psíquico), those that join
// both (Missão, Talento Oculto), the inclusion chart with its lessons and tendencies, the
// karmic debts with where they were found, the cycles, the Momentos Decisivos, the
// Desafios, the personal numbers of a day, the harmony between Destino and Expressão and the
// pyramid of the name.
// Pure data computed under a RegrasCalculo of the cabalística school; nothing here draws.
#pragma once

#include "engine/NumerosDoDia.h"
#include "engine/PiramideNome.h"
#include "engine/RegrasCalculo.h"
#include "engine/TabelaHarmonia.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace vidalume {

struct MapaCabalistico {
    enum class OrigemDivida { DiaNatalicio, Destino, Motivacao, Expressao };

    struct Letra {
        QChar letra; // as typed, in capitals (marks kept)
        int valor = 0;
        bool vogal = false;
        bool operator==(const Letra&) const = default;
    };
    struct Divida {
        int numero = 0; // 13, 14, 16 or 19
        OrigemDivida origem = OrigemDivida::DiaNatalicio;
        bool mudaComONome = false; // found in the name (Motivação, Expressão)
        bool operator==(const Divida&) const = default;
    };

    int dia = 0, mes = 0, ano = 0; // the birth date as read
    QList<Letra> letras;           // the letters of the name in order, non-letters left out
    long long totalVogais = 0, totalConsoantes = 0, totalLetras = 0;
    long long totalData = 0; // the sum of the eight digits of the date
    int motivacao = 0, impressao = 0, expressao = 0, destino = 0, missao = 0;
    int numeroPsiquico = 0, talentoOculto = 0;
    std::array<int, 9> inclusao{}; // [v - 1]: letters worth v
    QList<int> licoesCarmicas, tendenciasOcultas;
    int respostaSubconsciente = 0;
    QList<Divida> dividas; // in OrigemDivida order
    std::array<int, 3> ciclos{};
    std::array<int, 2> fimCiclos{}; // ages at which the first and second cycles end
    std::array<int, 4> momentos{};
    std::array<int, 3> fimMomentos{}; // ages at which the first three Momentos end
    std::array<int, 3> desafios{};    // first, second, Desafio Principal
    NumerosDoDia numerosDoDia;        // the universal and personal numbers of the day asked
    Harmonia harmonia = Harmonia::Neutra;
    PiramideNome piramide; // the four triangles of the letters' values and the arcana

    bool operator==(const MapaCabalistico&) const = default;
};

// The map of `nome` (as typed) born on `dataNascimento` ("dd/mm/aaaa", a valid date), with
// the personal numbers of `dia`, under `regras` (the school's letters, reduction and
// variants) and the harmony of `tabela`.
MapaCabalistico CalculaMapaCabalistico(const QString& nome, const QString& dataNascimento,
                                       QDate dia, const RegrasCalculo& regras,
                                       const TabelaHarmonia& tabela);

} // namespace vidalume
