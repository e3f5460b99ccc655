// The help of the toolbar buttons without any window: the sentence of each button and where
// the help window goes. Window geometry is reckoned in twips (15 per pixel), as the toolbar
// was laid out.
#pragma once

#include "gui/comum/Unidades.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace vidalume {

class DicasBotoes {
public:
    static constexpr int kTwipsPorPixel = Unidades::kTwipsPorPixel;
    static constexpr int kLarguraTwips = 3615;
    static constexpr int kAlturaTwips = 645;
    // The help window sits this far right of the button's left edge and this far below the
    // main window's top (title bar, menu bar and toolbar together), and keeps this gap to
    // the screen's right edge when it would run past it.
    static constexpr int kAfastamentoEsquerda = 120;
    static constexpr int kAfastamentoTopo = 1380;
    static constexpr int kFolgaDireita = 200;

    // The sentence of the button with help name `nomeAjuda` ("Criar", "Imprimir", ...),
    // matched exactly; empty for a name without help.
    static QString texto(const QString& nomeAjuda);

    // Top-left corner of the help window in twips, from the main window's outer top-left
    // corner on the screen, the button's top-left corner on the toolbar and the x of the
    // screen's right edge.
    static QPoint posicaoTwips(QPoint janelaTwips, QPoint botaoTwips, int direitaTelaTwips);

    // The same in pixels, giving the whole geometry of the help window.
    static QRect geometria(QPoint janela, QPoint botao, int direitaTela);
};

} // namespace vidalume
