// The print job on a printer, which may be a PDF printer: the printed document of the
// analysis on the printer's printable area, in black and white or in colour. A PDF printer's
// file is written whole or not at all (see GravacaoPdf).
#pragma once

#include "composer/Diagramacao.h"

#include <QRectF>
#include <QString>

class QPrinter;

namespace vidalume {

class TrabalhoImpressao {
public:
    // Prints the whole analysis once, as a job named nomeTrabalho(). False, with what went wrong in
    // Portuguese (starting with the fact) in `erro`, when the document was not made. Never writes a
    // settings file.
    static bool imprime(QPrinter& impressora, const Diagramacao& diagramacao, QString* erro);

    // The name of the print job in the printer's queue: "Análise Numerológica — NOME", or
    // "Estudo de nomes — dd/mm/yyyy" for a name study.
    static QString nomeTrabalho(const Diagramacao& diagramacao);

    // Makes `impressora` a PDF printer writing `arquivo`: A4 portrait, the whole sheet
    // printable.
    static void preparaPdf(QPrinter& impressora, const QString& arquivo);

    // The printable area of the printer's page in millimetres; A4 portrait (210 x 297)
    // without a printer.
    static QRectF areaImprimivel(const QPrinter* impressora);
};

} // namespace vidalume
