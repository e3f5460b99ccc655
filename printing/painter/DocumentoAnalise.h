// The printed document of an analysis on any paged device (a printer or a PDF writer): the
// composed analysis laid out with the same block layout as the screen pages but on the
// device's printable area, inside the user's margins, optionally after a cover page, with
// grey pictures for black-and-white printing. Text stays text and pictures stay vector
// drawings. A Diagramacao that carries a name study prints the study instead (see
// LayoutEstudoNomes), one that carries a forecast prints the forecast (see LayoutPrevisoes).
#pragma once

#include "composer/Diagramacao.h"

#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace vidalume {

class DocumentoAnalise {
public:
    // "As margens não deixam espaço ..."
    static const QString kSemEspaco;

    // Whether the margins leave the text room on a printable area of `areaMm`.
    static bool cabe(const QRectF& areaMm, const Diagramacao& diagramacao);

    // Draws the whole document once with `pintor`, already active on `destino`, whose
    // printable area is `areaMm` (millimetres of the page; its top-left corner is the
    // device's origin), and ends the painter. False when the margins leave no room (nothing
    // is drawn; `erro` is kSemEspaco) or the device refused a page or the end of the document
    // (`erro` is a lower-case reason to follow a colon).
    static bool desenha(QPainter& pintor, QPagedPaintDevice& destino, const QRectF& areaMm,
                        const Diagramacao& diagramacao, QString* erro);
};

} // namespace vidalume
