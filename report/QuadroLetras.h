// The letter chart of a name as a picture: the words in rows of letter cells, the value of
// each vowel above it and of each consonant below it, a rule between the rows, then one line
// per total with its reduction steps. Every size is fixed in millimetres, so the height
// depends only on the name and the width. Whole words go on a row while they fit; a word
// wider than the whole picture is split.
#pragma once

#include "engine/MapaLetras.h"
#include "report/SuperficieDesenho.h"

#include <QList>
#include <QStringList>

namespace vidalume {

class QuadroLetras {
public:
    static constexpr double kCelula = 5.5;      // width of one letter
    static constexpr double kLinhaValor = 4.5;  // height of the row of values
    static constexpr double kLinhaLetra = 6.5;  // height of the row of letters
    static constexpr double kEntreLinhas = 2.5; // between two rows of words
    static constexpr double kLinhaTotal = 5.5;  // one line of totals
    static constexpr double kAntesTotais = 2;
    static constexpr double kTraco = 0.2; // thickness of a rule
    static constexpr double kPontosLetra = 12, kPontosValor = 9, kPontosTotal = 10;

    QuadroLetras(const MapaLetras& letras, const QStringList& totais)
        : letras_(letras), totais_(totais) {}

    // The height of the picture `largura` millimetres wide.
    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws the picture with its top-left corner at (x, yTopo). The surface's font, fore
    // colour and current position are as before afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

private:
    struct Trecho {
        int palavra = 0;
        int inicio = 0; // first letter of the word on this row
        int quantidade = 0;
        int coluna = 0; // cell of the first letter
    };
    QList<QList<Trecho>> linhas(double largura) const;
    double alturaLinha() const { return 2 * kLinhaValor + kLinhaLetra; }

    const MapaLetras& letras_;
    const QStringList& totais_;
};

} // namespace vidalume
