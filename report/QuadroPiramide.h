// The picture of one triangle of a name's pyramid, or of one part of it: the digits of each
// row centred between the two digits above them, the letters of the name over the base row,
// a shaded band behind every negative sequence and a circle round the regent at the vertex.
// The cells shrink to fit the width given, never below what the width allows, so a long name
// is drawn smaller and never clipped; a name too long to read that way is drawn in parts,
// each one of these pictures (the composer chooses the parts). Drawn with the surface's
// rectangles, ellipses and strings only, so it is the same on screen, paper and PDF.
#pragma once

#include "composer/QuadroSecao.h"
#include "report/SuperficieDesenho.h"

namespace vidalume {

class QuadroPiramide {
public:
    static constexpr double kCelulaMaxima = 6;      // mm: the side of a digit's cell
    static constexpr double kPontosPorCelula = 1.7; // digit size, points per mm of cell
    static constexpr double kPontosMaximos = 10;
    static constexpr double kAlturaLegenda = 5; // mm: the caption of a part
    static constexpr double kPontosLegenda = 8;
    static constexpr quint32 kSombra = 0xFFD4D4D4; // behind a negative sequence

    // The part `parte` of `triangulo`, with `letras` (one per base digit) over its base.
    QuadroPiramide(const Triangulo& triangulo, const QStringList& letras,
                   const QuadroSecao::Parte& parte);

    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws it with its top-left corner at (x, yTopo), `largura` wide at most; the surface's
    // font, colour and position are as they were afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

    // The side of a cell when the picture may be `largura` wide.
    double celula(double largura) const;

private:
    int ultimaColunaDe(int linha) const; // the last position of `linha` inside the part
    double larguraEmCelulas() const;
    double topoDasLinhas(double yTopo, double c) const;
    void sombreia(SuperficieDesenho& s, double x, double y0, double c) const;
    void escreveLinhas(SuperficieDesenho& s, double x, double y0, double c) const;
    void escreveLetras(SuperficieDesenho& s, double x, double y, double c) const;
    void circulaRegente(SuperficieDesenho& s, double x, double y0, double c) const;
    double xCelula(double x, int linha, int coluna, double c) const;

    const Triangulo& t_;
    const QStringList& letras_;
    QString legenda_;
    int n_ = 0;           // digits in the base
    int l0_ = 1, l1_ = 0; // rows drawn
    int c0_ = 1, c1_ = 0; // base positions drawn
};

} // namespace vidalume
