// The text writer: writes one block of text onto a drawing surface as justified lines,
// stops when the page is full and hands back what did not fit.
//
// Lines break at the last space that lets them fit between `esquerda` and `direita`; a CR
// (with the character after it, normally the LF of a CR LF pair) ends a paragraph. Every
// line of a paragraph except its last is stretched so that its last word ends at `direita`,
// each space inside it (leading and repeated ones included) widened by the same amount; the
// last line of a paragraph, and a line without any space to stretch, stays left-aligned. A
// word wider than the whole column is broken after its last character that fits.
//
// Each line takes one line height of the current font, an empty one too; the first line's
// top is at `y`. The page is full once the top of the line just drawn plus one line height
// passes `limite`; that line is still drawn.
//
// Break points are found by the surface's PrimeiroExcesso rather than by measuring the line
// after every character: the result is the same as measuring character by character (see
// SuperficieDesenho::PrimeiroExcesso).
#pragma once

#include "report/SuperficieDesenho.h"

#include <QString>

namespace vidalume {

class EscreveTexto {
public:
    // True when the whole block was written. False when the page filled up first:
    // `textoBloco` then holds the text after the last line drawn, without its leading
    // control characters (CR, LF, TAB and the others below 32). A rest made only of such
    // characters counts as written. On return the surface's Y is the top of the last line.
    static bool escreve(SuperficieDesenho& destino, double y, double esquerda, double direita,
                        double limite, QString& textoBloco);
    // As above; with `justifica` false no line is stretched (every line stays left-aligned),
    // as a heading is written.
    static bool escreve(SuperficieDesenho& destino, double y, double esquerda, double direita,
                        double limite, QString& textoBloco, bool justifica);

    // The number of lines `texto` takes between `esquerda` and `direita` in the surface's
    // current font, breaking as escreve() does; an empty text takes one line. Draws nothing.
    static int contaLinhas(SuperficieDesenho& destino, double esquerda, double direita,
                           const QString& texto);

    // The sample strings whose height is taken as one line height and as the room a line
    // needs below the limit.
    static const QString kAmostraLinha;  // "ABZgzhj"
    static const QString kAmostraLimite; // "textoatual"
};

} // namespace vidalume
