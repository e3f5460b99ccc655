// The records every part of the program shares for the whole run: the analysis being made,
// the settings, the fonts and the header and footer lines. The main window owns the one
// instance; readers take the values as they stand when they run, as one Diagramacao.
#pragma once

#include "composer/Diagramacao.h"
#include "engine/AnalisePedida.h"
#include "settings/OpcoesMapa.h"

#include <QDate>
#include <QString>

namespace vidalume {

struct Padrao {
    AnalisePedida Pedido; // the analysis being made: name, birth date, reference date
    vidalume::Analise Analise{};
    vidalume::Configuracao Configuracao;
    vidalume::Configuracao::Selecao CalculosSelecionados{}; // the live selection, 1 to 28
    // Sections 29 to 34, the map's threshold and the start of the personal year.
    vidalume::OpcoesMapa OpcoesMapa;
    vidalume::FontesAnalise FontesAnalise;
    vidalume::LinhasRodape LinhasRodape;

    // The analysis and its settings as the layouts take them; the pictures lie in
    // `pastaPrograma`. Margins and print options keep their defaults.
    Diagramacao diagramacao(const QString& pastaPrograma) const;
};

// Reads the settings file (creating it with the defaults when it is empty) and takes the
// stored selection of calculations as the live one; reads the options file too (its
// defaults when it is missing).
void CarregaConfiguracao(Padrao& padrao, const QString& pastaPrograma);
// Reads every settings file again (fonts, settings, header and footer lines), creating the
// missing ones with their defaults.
void CarregaConfiguracoes(Padrao& padrao, const QString& pastaPrograma);
// Stores the live selection in the settings record and writes the file, then the options
// file.
bool GravaConfiguracao(Padrao& padrao, const QString& pastaPrograma, QString* erro = nullptr);

} // namespace vidalume
