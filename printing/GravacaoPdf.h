// The analysis as a PDF file: A4 portrait, the whole sheet printable. The file is written
// whole or not at all: the document is made in a temporary file beside it and takes the
// file's place only once finished, so a failure never leaves a half-written or damaged
// PDF and an existing file stays as it was.
#pragma once

#include "PedidoImpressao.h"

#include <QRectF>
#include <QString>

namespace vidalume {

class GravacaoPdf {
public:
    // The printable area of the PDF page in millimetres.
    static QRectF area() { return {0, 0, 210, 297}; }

    // Writes the analysis to `arquivo`. Returns an empty text when the file was written,
    // otherwise what went wrong, in Portuguese, starting with the fact.
    static QString grava(const QString& arquivo, const PedidoImpressao& pedido);
};

} // namespace vidalume
