// The print job on a printer, which may be a PDF printer: the printed document of the
// analysis on the printer's paper, in black and white or in colour. The document is laid out
// on the whole sheet, as a PDF of the same paper is, so that both give the same pages and
// the same line breaks whatever the printer's resolution or unprintable edges. A PDF printer's
// file is written whole or not at all (see GravacaoPdf).
#pragma once

#include "composer/Diagramacao.h"

#include <QPageSize>
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
    // The part of imprime() for a printer, whatever the printer's output format: the document
    // laid out on the whole sheet, the painter's origin at its corner.
    static bool imprimeNaImpressora(QPrinter& impressora, const Diagramacao& diagramacao,
                                    QString* erro);

    // The name of the print job in the printer's queue: "Análise Numerológica — NOME", or
    // "Estudo de nomes — dd/mm/yyyy" for a name study.
    static QString nomeTrabalho(const Diagramacao& diagramacao);

    // Makes `impressora` a PDF printer writing `arquivo`: `papel` portrait, the whole sheet
    // printable.
    static void preparaPdf(QPrinter& impressora, const QString& arquivo,
                           const QPageSize& papel = QPageSize(QPageSize::A4));

    // Puts `papel` in portrait in `impressora` with its origin at the sheet's corner.
    static void definePapel(QPrinter& impressora, const QPageSize& papel);

    // The area the document is laid out on, in millimetres: the printer's whole sheet from
    // its top-left corner; A4 portrait (210 x 297) without a printer.
    static QRectF areaImprimivel(const QPrinter* impressora);
};

} // namespace vidalume
