// The printed document of an analysis on any paged device (a printer or a PDF writer):
// composes the analysis again and lays it out with the same block layout as the screen pages
// but on the device's printable area, inside the user's margins, optionally after a cover
// page, with grey pictures for black-and-white printing. Text stays text and pictures stay
// vector drawings.
#pragma once

#include "printing/PedidoImpressao.h"

#include <QRectF>
#include <QString>

class QPagedPaintDevice;

namespace vidalume {

class DocumentoAnalise {
public:
    enum class Resultado {
        Feito,
        SemEspaco,   // the margins leave no room for the text; nothing was drawn
        NaoComecou,  // the device refused to start a document
        FalhouNoFim, // the device refused a new page or could not finish the document
    };

    // "As margens não deixam espaço ..."
    static const QString kSemEspaco;

    // Whether the margins leave the text room on a printable area of `areaMm`.
    static bool cabe(const QRectF& areaMm, const PedidoImpressao& pedido);

    // Draws the whole document once on `destino`, whose printable area is `areaMm`
    // (millimetres of the page; its top-left corner is the device's origin).
    static Resultado desenha(QPagedPaintDevice& destino, const QRectF& areaMm,
                             const PedidoImpressao& pedido);
};

} // namespace vidalume
