// A report composed once and shown as it is, such as the couple reading: unlike an analysis,
// which is composed again from its name and date whenever it is printed or exported, its
// pages, print, PDF and exported text show exactly these sections. Every section shows its
// explanation, and its title is shown as composed (the numbers are in it already); the
// fonts, header and footer lines, margins and print options are the user's, as for an
// analysis.
#pragma once

#include "composer/Diagramacao.h"
#include "composer/ItemAnalise.h"
#include "composer/PartesSecao.h"
#include "composer/PrevisoesAno.h"
#include "settings/Configuracao.h"

#include <QString>

#include <optional>

namespace vidalume {

struct RelatorioComposto {
    TipoRelatorio tipo = TipoRelatorio::Compatibilidade;
    QString NomeAnalise;             // the name line of the page header
    QString DataNascimento;          // "dd/mm/yyyy", or empty: no date line and no sign picture
    QString escola;                  // named in the page header after the date; empty: none
    Analise analise{};               // the sections, from entry 1
    Configuracao::Selecao selecao{}; // the entries shown
    // The entries past those of the selection that are shown: none in most reports.
    OpcoesMapa alemDaSelecao = PartesSecao::semSecoesMapa();
    // Every explanation shown (the readings); false: as the settings say (the maps).
    bool explicacoesSempre = true;
    // A forecast of a year, laid out and exported instead of the sections; none otherwise.
    std::optional<PrevisoesAno> previsoes;

    // The report window's value for a forecast: its name and date in the page header.
    static RelatorioComposto de(const PrevisoesAno& previsoes);

    // `configuracao` with the explanations on and the numbers left out of the titles.
    static Configuracao configuracao(Configuracao configuracao);
    // The settings this report is laid out with: configuracao(), or with explanations as
    // `base` has them when they are not always shown.
    Configuracao comoComposto(Configuracao base) const;
    // `base` (the settings that shape the pages) made to lay out this report.
    Diagramacao diagramacao(Diagramacao base) const;
    // The text of the report as the export gives it (see TextoExportacao).
    QString texto(const Configuracao& base) const;

    bool operator==(const RelatorioComposto&) const = default;
};

} // namespace vidalume
