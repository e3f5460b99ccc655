// The letter chart of a name as a picture: the words in rows of letter cells, the value of
// each vowel above it and of each consonant below it, a rule between the rows, then one line
// per total with its reduction steps. Every size is fixed in millimetres, so the height
// depends only on the name and the width. Whole words go on a row while they fit; a word
// wider than the whole picture is split. A chart taller than a page (a name of hundreds of
// letters) is drawn as several pictures, each a band of its rows; the totals close the
// last one.
#pragma once

#include "engine/MapaLetras.h"
#include "report/SuperficieDesenho.h"

#include <QList>
#include <QStringList>

#include <utility>

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

    // Draws the rows `primeiraLinha` to `ultimaLinha` (from 1, both included; 0: to the last
    // row) of the chart, with the totals when the last row is among them.
    QuadroLetras(const MapaLetras& letras, const QStringList& totais, int primeiraLinha = 1,
                 int ultimaLinha = 0)
        : letras_(letras), totais_(totais), primeira_(primeiraLinha), ultima_(ultimaLinha) {}

    // The bands of rows (first and last, from 1) in which the whole chart `largura` wide is
    // drawn so that each is at most `alturaMaxima` high; one band for a chart that fits,
    // and never a band without a row.
    QList<std::pair<int, int>> faixas(const SuperficieDesenho& superficie, double largura,
                                      double alturaMaxima) const;

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
    // The rows drawn (linhas() cut to the band), and whether the totals are drawn.
    QList<QList<Trecho>> linhasDesenhadas(double largura, bool* comTotais) const;
    double alturaLinha() const { return 2 * kLinhaValor + kLinhaLetra; }
    double altura(qsizetype linhas, bool comTotais) const;

    const MapaLetras& letras_;
    const QStringList& totais_;
    int primeira_;
    int ultima_;
};

} // namespace vidalume
