// A number that returns in another position of the same kind (the four pinnacles, the four
// challenges of life) would print the same interpretation again. Here the analysis about to
// be shown or exported gets, in each such later position, a short paragraph instead: which
// number returns, which earlier position holds its text, and what this position adds. Only
// positions that are shown count, so the paragraph never points to a section left out; the
// option of the whole texts leaves the analysis as it is.
#pragma once

#include "composer/ItemAnalise.h"
#include "settings/Configuracao.h"
#include "settings/OpcoesMapa.h"

namespace vidalume {

class TextosRepetidos {
public:
    // `analise` with each repeated text of a shown position replaced by its short paragraph,
    // unless `opcoes` asks for the whole texts. Titles, numbers and every other section are
    // kept.
    static Analise resume(Analise analise, const Configuracao::Selecao& selecao,
                          const OpcoesMapa& opcoes);

    // "O 2 volta como quarta Realização: …" for entry `k` (8 to 15) whose number `numero`
    // was first shown in entry `primeira` of the same kind.
    static QString paragrafo(int k, int primeira, const QString& numero);
};

} // namespace vidalume
