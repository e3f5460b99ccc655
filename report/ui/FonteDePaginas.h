// What the report window needs from the screen layout: the finished pages of one analysis.
//
// A page is a drawing of W x 297 millimetres with its origin at the page's top left corner,
// recorded in `unidadesPorMm` units per millimetre. The window replays it scaled to
// the screen, so it stays sharp at any pixel density.
#pragma once

#include "composer/ItemAnalise.h"
#include "report/painter/PaginaGravada.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"
#include "settings/Margens.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

namespace vidalume {

// Everything one screen layout of an analysis reads.
struct PedidoPaginas {
    const Analise& analise;
    const Configuracao& configuracao;
    const Configuracao::Selecao& calculosSelecionados;
    const FontesAnalise& fontes;
    const LinhasRodape& linhas;
    const Margens& margens;
    QString nomeAnalise;
    QString dataNascimento; // "dd/mm/yyyy"
    float larguraMm;        // the page width W
    QString pastaPrograma;  // where the pictures lie
    QColor corTexto;        // the text colour of the screen's windows
};

struct PaginasProntas {
    QList<PaginaGravada> paginas;
    double unidadesPorMm = 1.0;
};

using FonteDePaginas = std::function<PaginasProntas(const PedidoPaginas&)>;

} // namespace vidalume
