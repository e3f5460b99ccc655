// What a print job prints: the analysis (name, birth date and the day it is made for, with
// the interpretation files of the program folder, and the date of its forecasts) and every setting
// that shapes its pages.
#pragma once

#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"

#include <QDate>
#include <QString>

namespace vidalume {

struct PedidoImpressao {
    QString pastaPrograma;  // interpretation files and the folder "imagens"
    QString NomeAnalise;    // normalised
    QString DataNascimento; // "dd/mm/yyyy"
    QDate hoje;
    QDate referencia; // the date of the forecasts; invalid for `hoje`

    Margens margens = Margens::padrao();
    bool pretoEmBranco = true;
    bool folhaRosto = false;
    Configuracao configuracao; // ImprimirDescricao, ImprimirNumero, ImprimirCabecalho
    Configuracao::Selecao selecao = Configuracao::padraoCalculos();
    FontesAnalise fontes;
    LinhasRodape linhas;
};

} // namespace vidalume
