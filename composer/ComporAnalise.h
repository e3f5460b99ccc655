// Composition of the 28 sections of an analysis from the name, the birth date and today's
// date: every number, every interpretation text, every title. Draws nothing.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/NumerosAnalise.h"
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

    // `nome` normalised, `dataNascimento` as "dd/mm/yyyy"; the texts come from `arquivos`.
    static Analise compoe(const QString& nome, const QString& dataNascimento, QDate hoje,
                          const ArquivoInterpretacao& arquivos);
    static Analise compoe(const NumerosAnalise& numeros, const QString& dataNascimento,
                          const ArquivoInterpretacao& arquivos);
};

} // namespace vidalume
