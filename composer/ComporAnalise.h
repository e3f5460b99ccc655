// Composition of the sections of an analysis (the 28 of the numerological analysis, then
// those of the complete map, see ComporMapa) from the name, the birth date and the date of
// the forecasts (today's date unless another is chosen): every number, every interpretation
// text, every title, and the closing paragraph (AvisoFinal). Draws nothing.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/NumerosAnalise.h"
#include "settings/OpcoesMapa.h"
#include "texts/ArquivoInterpretacao.h"

#include <QDate>

namespace vidalume {

class ComporAnalise {
public:
    // Texts shown where a name gives no number with an interpretation.
    static const QString kSemVogais;
    static const QString kSemVogaisPrimeiraVogal;
    static const QString kSemConsoantes;
    static const QString kSemValorExpressao;
    static constexpr int kPrimeiraPrevisao = 17; // universal year
    static constexpr int kUltimaPrevisao = 22;   // personal day

    // "Previsões calculadas para dd/mm/aaaa"
    static QString notaPrevisoes(QDate referencia);

    // "O ano pessoal começa em 1º de janeiro." or "... no aniversário.": the note under the
    // titles of the personal year, month and day.
    static QString notaInicioAnoPessoal(InicioAnoPessoal regra);
    static constexpr int kPrimeiroPessoal = 20; // personal year
    static constexpr int kUltimoPessoal = 22;   // personal day

    // `nome` as typed or normalised (the numbers come from its normalised form, the letter
    // chart shows it as given), `dataNascimento` as "dd/mm/yyyy"; the texts come from `arquivos`;
    // `opcoes` gives the threshold of the hidden tendencies and the rule of the personal
    // numbers (the pages name it: see PartesSecao::nota). Every section, 1 to 34, is
    // composed, chosen or not.
    static Analise compoe(const QString& nome, const QString& dataNascimento, QDate hoje,
                          const ArquivoInterpretacao& arquivos,
                          const OpcoesMapa& opcoes = OpcoesMapa());
    // Sections 1 to 28 only (the map needs the name).
    static Analise compoe(const NumerosAnalise& numeros, const QString& dataNascimento,
                          const ArquivoInterpretacao& arquivos);
    // The universal and personal numbers (sections 17 to 22) for `referencia` instead of
    // `hoje`; when the two differ, each of those sections opens its text with
    // notaPrevisoes(). An invalid `referencia` stands for `hoje`. Every other section is the
    // same as for `hoje`.
    static Analise compoe(const QString& nome, const QString& dataNascimento, QDate hoje,
                          QDate referencia, const ArquivoInterpretacao& arquivos,
                          const OpcoesMapa& opcoes = OpcoesMapa());
};

} // namespace vidalume
