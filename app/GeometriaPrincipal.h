// The geometry of the main window, from its design in twips (15 twips per pixel): the toolbar
// buttons at fixed places, the navigation bar that follows the window's width, and the
// horizontal tiling of the report windows.
#pragma once

#include "gui/comum/Unidades.h"

#include <QList>
#include <QRect>

namespace vidalume {

class GeometriaPrincipal {
public:
    static constexpr int kTwipsPorPixel = Unidades::kTwipsPorPixel;
    static constexpr int kBotoes = 7;

    static int alturaBarraFerramentas(); // picMenu: 735 twips
    static int alturaBarraNavegacao();   // picRodape: 465 twips
    // Toolbar button `indice` (0 to 6): 645 x 600 twips at top 45, 720 twips apart from 45.
    static QRect botao(int indice);

    struct Navegacao {
        QRect volta;
        QRect info;
        QRect avanca;
    };
    // The navigation bar's controls for a main window `larguraExterna` pixels wide (frame
    // included) and a bar `altura` pixels high: the status line from 10 % over 80 % of the
    // width, the page pictures at 1 % and 91 %, each 7 % wide.
    static Navegacao navegacao(int larguraExterna, int altura);

    // `janelas` windows tiled horizontally in `area`: one column up to three windows, more
    // columns beyond, each column split evenly from top to bottom.
    static QList<QRect> ladoALado(const QRect& area, int janelas);
    // `janelas` windows in cascade in `area`, each `passo` pixels right of and below the one
    // before, all of three quarters of the area's size.
    static QList<QRect> cascata(const QRect& area, int janelas, int passo);
};

} // namespace vidalume
