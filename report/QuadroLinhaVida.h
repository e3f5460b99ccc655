// The line-of-life picture: an axis of ages from 0 to the end of the line, then three bands
// of periods along it: the three cycles (with the age and the year of each change), the four
// pinnacles (with the age of each change) and the four challenges under the pinnacles they
// go with; each period shows its number. A mark across the bands shows the person's age on
// the reference date. Drawn with the surface's rectangles and strings only, so it is the
// same on screen, paper and PDF; the picture is never split across pages.
#pragma once

#include "engine/LinhaVida.h"
#include "report/SuperficieDesenho.h"

#include <QStringList>

namespace vidalume {

class QuadroLinhaVida {
public:
    static constexpr double kColunaRotulos = 26; // mm: the band names on the left
    static constexpr double kAlturaEixo = 6;     // mm: the age axis
    static constexpr double kAlturaFaixa = 12;   // mm: one band
    static constexpr double kAlturaLegenda = 5;  // mm: the change labels under a band
    static constexpr double kAlturaMarca = 6;    // mm: the reference age's label
    static constexpr double kEspessura = 0.2;    // mm: lines
    static constexpr double kTamanhoPequeno = 7; // points: labels
    static constexpr double kTamanhoNumero = 13; // points: the numbers of the periods
    static constexpr int kTotalFaixas = 5;
    // "Ciclos", "Realizações", "Desafio Maior", "Desafios Menores", "Adicional"
    static const QStringList kFaixas;
    static const QStringList kNomesCiclos; // "Formativo", "Produtivo", "Colheita"

    // The picture of `linha`; `rotuloIdade` names the age it marks ("Idade na data das
    // previsões", "Idade alcançada em 2027"). With `numerados`, the second band holds the
    // Momentos Decisivos, the challenges are the first, second and principal ones, and every
    // period is named by its order.
    explicit QuadroLinhaVida(LinhaVida linha,
                             QString rotuloIdade = QStringLiteral("Idade na data das previsões"),
                             bool numerados = false)
        : l_(std::move(linha)), rotuloIdade_(std::move(rotuloIdade)), numerados_(numerados) {}

    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws the picture with its top-left corner at (x, yTopo), `largura` wide, in the
    // surface's face and fore colour; the surface's font, colour and position are as they
    // were afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

private:
    // The age axis: where age 0 is, how wide the axis is, the last age on it.
    struct Eixo {
        double x0;
        double largura;
        int fim;
        double xIdade(int idade) const; // ages outside 0 to fim at the ends
    };

    void desenhaEixo(SuperficieDesenho& s, double x, double yTopo, const Eixo& eixo) const;
    QList<LinhaVida::Periodo> periodosDaFaixa(int f) const;
    QString nomePeriodo(int f, int i) const;
    void desenhaFaixa(SuperficieDesenho& s, int f, double x, double yFaixa, const Eixo& eixo) const;
    void marcaIdade(SuperficieDesenho& s, double x, double yTopo, double largura, double yFaixas,
                    const Eixo& eixo) const;

    LinhaVida l_;
    QString rotuloIdade_;
    bool numerados_ = false;
};

} // namespace vidalume
