// "assinatura": the name correction study of one person on the command line, as a readable
// table or as JSON:
//
//   {"escola": "pitagorica" | "cabalistica", "nascimento": "dd/mm/aaaa",
//    "candidatos": [{"nome", "original", "mudancas": [{"tipo", "posicao"}], "numeros",
//                    cabalística only: "sequencias", "harmonia_destino_expressao"}, ...]}
//
// The candidates come in the study's order, the first `maximo` of them and the original
// wherever it stands. "tipo" is acento, cedilha, dobra, final or nome; "posicao" the 1-based
// index of the character changed in the original as the study writes it (in capitals, single
// spaces). "numeros" is the object "numeros" prints for that spelling and date; "sequencias"
// the number of negative sequences over the four triangles.
#pragma once

#include "cli/comandos/EntradaCli.h"
#include "composer/CorrecaoNome.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vidalume {

class ComandoAssinatura {
public:
    static constexpr int kMaximoPadrao = 20;

    // Reads --mudancas ("1", "2" or "3"; empty for 2), --sem (a comma list of acentos,
    // dobras, finais, nomes; empty for none) and --max (a whole number from 1; empty for
    // kMaximoPadrao). False, with the message in `erro`, for anything else.
    static bool leOpcoes(const QString& mudancas, const QString& sem, const QString& maximo,
                         CandidatosNome::Opcoes* opcoes, int* maximoLido, QString* erro);

    // The indices of the candidates shown: the first `maximo` and the original.
    static QList<int> mostrados(const CorrecaoNome& estudo, int maximo);

    // The study as JSON (see above); the numbers as "numeros" gives them for `entrada` with
    // each spelling, under its hidden tendencies' threshold and harmony table.
    static QByteArray json(const CorrecaoNome& estudo, const EntradaCli& entrada,
                           int limiteTendencias, const TabelaHarmonia& tabela, int maximo);
    // The study as a table for reading: the order explained, the outcome, then one line per
    // candidate shown.
    static QString texto(const CorrecaoNome& estudo, int maximo);

    // "acento", "cedilha", "dobra", "final", "nome".
    static QString chaveTipo(MudancaNome::Tipo tipo);
};

} // namespace vidalume
