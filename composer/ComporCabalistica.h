// Composition of the cabalística map ("Mapa Numerológico Cabalístico") of a name and a birth
// date: one section per number of the school, each with its explanation, its title with the
// number and its text, the letter chart, the inclusion chart, the line of life and the pyramid
// of the name with its arcana, then the closing paragraph. The texts of numbers that mean in this
// school what they mean in the Pythagorean one come from the same files; Impressão, Missão, Número
// Psíquico, Talento Oculto, the harmony verdicts and every 11 and 22 come from the school's own
// files.
#pragma once

#include "composer/RelatorioComposto.h"
#include "engine/MapaCabalistico.h"
#include "engine/RegrasCalculo.h"
#include "engine/TabelaHarmonia.h"
#include "texts/ArquivoInterpretacao.h"

#include <QDate>
#include <QString>

#include <functional>

namespace vidalume {

class ComporCabalistica {
public:
    static const QString kTitulo; // "Mapa Numerológico Cabalístico"
    static const QString kEscola; // "Numerologia Cabalística": the header names the school

    // The sections, by entry: personal year, month and day keep the entries of the
    // analysis's (20 to 22), so the pages name the rule they follow under their titles.
    enum Secao {
        kLetras = 1,
        kMotivacao,
        kImpressao,
        kExpressao,
        kDestino,
        kMissao,
        kPsiquico,
        kTalento,
        kInclusao,
        kLicoes,
        kTendencias,
        kResposta,
        kDividas,
        kCiclos,
        kMomentos,
        kDesafios,
        kAnoPessoal = 20,
        kMesPessoal,
        kDiaPessoal,
        kHarmonia,
        kLinhaVida,
        kTrianguloVida, // then Pessoal, Social and Destino
        kTrianguloPessoal,
        kTrianguloSocial,
        kTrianguloDestino,
        kArcanoRegente,
        kArcanosPassagem,
        kUltimaSecao = kArcanosPassagem
    };
    // The titles of the sections as the settings list them; empty for an unused entry.
    static QString nomeSecao(int k);

    // The map of `nome` (as typed) born on `dataNascimento` ("dd/mm/aaaa", valid) under
    // `regras` (a cabalística school) and `tabela`, with the personal numbers of `referencia`
    // and the line of life marking the age then; the texts come from `arquivos`.
    // `secaoAtiva(k)` chooses the sections shown.
    static RelatorioComposto compoe(const QString& nome, const QString& dataNascimento,
                                    QDate referencia, const RegrasCalculo& regras,
                                    const TabelaHarmonia& tabela,
                                    const ArquivoInterpretacao& arquivos,
                                    const std::function<bool(int)>& secaoAtiva);
    // "pelo número final", "37 menos o Destino"...: the variants in force, in a sentence.
    static QString variantes(const RegrasCalculo& regras);
    // "favorável", "desfavorável", "neutra".
    static QString nomeHarmonia(Harmonia h);
};

} // namespace vidalume
