// The drawing of a surface painted straight away with a QPainter.
//
// The painter's pen, font (with its word spacing) and transform are set only when a step
// needs them changed: on a
// printer or a PDF every change is written to the document, so a page of text with one font
// costs one setting instead of three per line. The painter is the output's alone while it is
// used.
#pragma once

#include "report/painter/SaidaPintura.h"

#include <QTransform>

#include <optional>

class QPainter;

namespace vidalume {

class FigurasSvg;

class SaidaPintor : public SaidaPintura {
public:
    // `unidades` maps hundredths of a millimetre to the painter's device; pictures come from
    // `figuras` (none when null). The painter must stay active while the output is used.
    SaidaPintor(QPainter& pintor, const QTransform& unidades, FigurasSvg* figuras);

    void texto(QPointF origem, const QString& texto, const QFont& fonte, double espacamento,
               double escala, QRgb cor) override;
    void retangulo(const QRectF& retangulo, QRgb cor) override;
    void elipse(const QRectF& retangulo, QRgb cor, double espessura) override;
    void figura(const Figura& figura, const QRectF& retangulo) override;

    QPainter& pintor() { return pintor_; }

private:
    // Puts the painter in the transform of the drawing steps scaled by `escala` (0: the
    // transform of millimetre hundredths itself).
    void transforma(double escala);

    QPainter& pintor_;
    const QTransform unidades_;
    FigurasSvg* figuras_;
    std::optional<QRgb> cor_;
    std::optional<QFont> fonte_; // as given, before the word spacing
    double espacamento_ = 0;
    std::optional<double> escala_;
};

} // namespace vidalume
