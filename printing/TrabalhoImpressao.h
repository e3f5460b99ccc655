// The print job: composes the analysis again and lays it out on a printer, which may be a
// PDF file, with the same block layout as the screen pages but on the printer's printable
// area, inside the user's margins, in black and white or in colour, optionally after a
// cover page. Text stays text and pictures stay vector drawings.
#pragma once

#include "PedidoImpressao.h"

#include <QRectF>
#include <QString>

class QPrinter;

namespace vidalume {

class TrabalhoImpressao {
public:
    static const QString kTituloArquivoPdf; // "Salvar análise em PDF"

    // Prints the whole analysis once. Returns an empty text when the document was made,
    // otherwise what went wrong, in Portuguese, starting with the fact. Never writes a
    // settings file.
    static QString imprime(QPrinter& impressora, const PedidoImpressao& pedido);

    // Makes `impressora` a PDF printer writing `arquivo`: A4 portrait, the whole sheet
    // printable.
    static void preparaPdf(QPrinter& impressora, const QString& arquivo);

    // The printable area of the printer's page in millimetres; A4 portrait (210 x 297)
    // without a printer.
    static QRectF areaImprimivel(const QPrinter* impressora);

private:
    static QString nomeDestino(const QPrinter& impressora);
};

} // namespace vidalume
