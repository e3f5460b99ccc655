// The report "Estudo de Correção do Nome": what the study is and how its candidates were
// ordered, the name as registered and the chosen spellings side by side in one table, then
// each of them with its numbers, a paragraph of what the spelling changes against the name as
// registered and, in the cabalística school, its four triangles; then the advice on adopting
// the new spelling and on the signature, and the closing paragraph. The advice comes from
// ASSINAT (1 what the study is and its limits, 2 how to adopt the new spelling, 3 the
// signature, 4 a business name, 5 a baby's name, 6 when the original name is already good).
#pragma once

#include "composer/CorrecaoNome.h"
#include "composer/RelatorioComposto.h"
#include "texts/ArquivoInterpretacao.h"

#include <QList>

namespace vidalume {

class ComporCorrecao {
public:
    static constexpr int kMaximoEscolhidos = 5;

    enum Secao {
        kApresentacao = 1,
        kComparacao,
        kOriginal,
        kPrimeiroEscolhido, // and the next ones, one per chosen spelling
        kAdocao = kPrimeiroEscolhido + kMaximoEscolhidos,
        kAssinatura,
        kUltimaSecao = kAssinatura
    };

    // The report of `estudo` for the spellings at `escolhidos` (indexes into its candidates;
    // the original and any past the fifth left out), with texts from `arquivos`.
    static RelatorioComposto compoe(const CorrecaoNome& estudo, const QList<int>& escolhidos,
                                    const ArquivoInterpretacao& arquivos);

    // The first `quantos` candidates (at most five) that are not the original, in order: what
    // the report shows when the numerologist chose none.
    static QList<int> melhores(const CorrecaoNome& estudo, int quantos = kMaximoEscolhidos);

    // What `candidato` changes against `original`, in sentences ("A Expressão passa de 4
    // para 6."); a sentence that nothing the study checks changes when nothing does.
    static QString diferencas(const CorrecaoNome& estudo, const AvaliacaoNome& original,
                              const AvaliacaoNome& candidato);
};

} // namespace vidalume
