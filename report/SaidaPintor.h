// The drawing of a surface painted straight away with a QPainter.
#pragma once

#include "SaidaPintura.h"

#include <QTransform>

class QPainter;

namespace vidalume {

class FigurasSvg;

class SaidaPintor : public SaidaPintura {
public:
    // `unidades` maps hundredths of a millimetre to the painter's device; pictures come from
    // `figuras` (none when null). The painter must stay active while the output is used.
    SaidaPintor(QPainter& pintor, const QTransform& unidades, FigurasSvg* figuras);

    void texto(QPointF origem, const QString& texto, const QFont& fonte, double escala,
               QRgb cor) override;
    void retangulo(const QRectF& retangulo, QRgb cor) override;
    void figura(const Figura& figura, const QRectF& retangulo) override;

    QPainter& pintor() { return pintor_; }

private:
    QPainter& pintor_;
    const QTransform unidades_;
    FigurasSvg* figuras_;
};

} // namespace vidalume
