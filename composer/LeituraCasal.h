// The compatibility reading of any two people (a couple, relatives, partners, friends): their
// life path, expression and soul urge, each aspect compared between them (harmony and the
// pair text of COMPATIB.DAT), and a summary, composed as a report of five sections and the
// closing paragraph. The numbers are the analysis numbers of
// each person's name and date. Draws nothing.
#pragma once

#include "composer/RelatorioComposto.h"
#include "texts/ArquivoInterpretacao.h"

#include <QString>

#include <array>

namespace vidalume {

struct PessoaLeitura {
    QString nome;       // normalised
    QString nascimento; // "dd/mm/yyyy"
    int caminhoDaVida = 0;
    int expressao = 0;     // 0 for a name without letters of value
    int impulsoDaAlma = 0; // 0 for a name without vowels
};

struct AspectoLeitura {
    enum class Tipo { CaminhoDaVida, Expressao, ImpulsoDaAlma };
    Tipo tipo = Tipo::CaminhoDaVida;
    std::array<int, 2> numeros{}; // in the order of the two people
    int registro = 0;             // record of COMPATIB.DAT; 0 when a number is 0
    bool harmonia = false;

    // "caminho_da_vida", "expressao" or "impulso_da_alma".
    QString chave() const;
    // "Caminho da Vida", "Expressão" or "Impulso da Alma".
    QString nome() const;
};

struct LeituraCasal {
    static const QString kExplicacaoLeitura;
    static const QString kExplicacaoCaminhoDaVida;
    static const QString kExplicacaoExpressao;
    static const QString kExplicacaoImpulsoDaAlma;

    std::array<PessoaLeitura, 2> pessoas;
    std::array<AspectoLeitura, 3> aspectos; // life path, expression, soul urge

    // The numbers of two people from their normalised names and "dd/mm/yyyy" dates.
    static LeituraCasal calcula(const QString& nome1, const QString& nascimento1,
                                const QString& nome2, const QString& nascimento2);

    // How many of the three aspects are in harmony.
    int emHarmonia() const;

    // The reading as a report: entry 1 the people and their numbers, entries 2 to 4 the
    // aspects (explanation, harmony and pair text, or why there is no text), entry 5 the
    // summary; then the closing paragraph. The texts come from `arquivos`.
    RelatorioComposto compoe(const ArquivoInterpretacao& arquivos) const;
};

} // namespace vidalume
