// What is laid out, printed or saved as a PDF: one composed analysis with every setting that
// shapes its pages. The screen layout, the print job, the PDF writer and the command-line
// tool all take this one value; the caller composes the analysis and gathers the settings,
// the layouts only read them.
#pragma once

#include "composer/EstudoNomes.h"
#include "composer/ItemAnalise.h"
#include "composer/PrevisoesAno.h"
#include "composer/TipoRelatorio.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"
#include "settings/OpcoesMapa.h"

#include <QString>

#include <optional>

namespace vidalume {

struct Diagramacao {
    TipoRelatorio tipo = TipoRelatorio::Analise; // how it is titled, laid out and exported
    QString NomeAnalise;                         // normalised
    QString DataNascimento;                      // "dd/mm/yyyy"
    QString escola;    // the school the page header names after the date; empty: none
    Analise analise{}; // the composed sections 1 to 34

    Configuracao configuracao; // ImprimirDescricao, ImprimirNumero, ImprimirCabecalho
    Configuracao::Selecao selecao = Configuracao::padraoCalculos(); // the live selection
    OpcoesMapa opcoesMapa; // which sections after 28 are shown
    FontesAnalise fontes;
    LinhasRodape linhas;
    Margens margens = Margens::padrao(); // the screen layout uses its own fixed margins
    bool folhaRosto = false;             // a cover sheet before page 1 (print and PDF)
    bool pretoEmBranco = true;           // grey pictures (print and PDF)
    // The start of the personal year the analysis was composed with; the pages name it.
    InicioAnoPessoal inicioAnoPessoal = InicioAnoPessoal::Janeiro;

    QString pastaPrograma; // where the folder of pictures lies

    // A name study to print instead of the analysis (the analysis then only gives the print
    // dialog its sample text); none for an analysis.
    std::optional<EstudoNomes> estudoNomes;
    // A forecast of a year to lay out instead of the analysis; none for an analysis.
    std::optional<PrevisoesAno> previsoes;
};

} // namespace vidalume
