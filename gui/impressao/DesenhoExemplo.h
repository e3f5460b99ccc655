// The small picture of a printed page in the print dialog: the header bar with the sign
// picture and the title, the footer bar with its line, and a sample text in the column the
// printed text takes, all at their printed distances from the user's margins, scaled from
// the printer's page to the preview separately across and down. Also the notice the
// preview shows while a print job runs.
#pragma once

#include "report/SuperficieDesenho.h"
#include "settings/Margens.h"

#include <QSizeF>
#include <QString>

namespace vidalume {

class DesenhoExemplo {
public:
    static const QString kTitulo; // "Vidalume"
    static const QString kRodape; // "Análise do programa Vidalume"

    // Clears `destino` and draws the page: `papelMm` is the printable size of the printer's
    // page, `margens` the margins to show, `texto` the sample text (none when empty).
    static void desenha(SuperficieDesenho& destino, const QSizeF& papelMm, const Margens& margens,
                        const QString& texto);
    // Clears `destino` and writes "Imprimindo," and, on the next line, "Aguarde...".
    static void desenhaAviso(SuperficieDesenho& destino);
};

} // namespace vidalume
