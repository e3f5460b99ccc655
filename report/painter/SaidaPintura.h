// Where the drawing of a SuperficiePintor ends up: a painter (SaidaPintor) or the recording
// of a page (GravadorPagina). Positions and sizes are hundredths of a millimetre from the
// top-left corner of the surface.
#pragma once

#include "report/Figura.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>

namespace vidalume {

class SaidaPintura {
public:
    virtual ~SaidaPintura() = default;

    // `texto` in `fonte` (set in pixels) with every space `espacamento` font pixels wider,
    // every font pixel drawn `escala` hundredths of a millimetre large, with the start of its
    // baseline at `origem`.
    virtual void texto(QPointF origem, const QString& texto, const QFont& fonte, double espacamento,
                       double escala, QRgb cor) = 0;
    virtual void retangulo(const QRectF& retangulo, QRgb cor) = 0;
    // The outline of the ellipse inscribed in the rectangle, `espessura` thick.
    virtual void elipse(const QRectF& retangulo, QRgb cor, double espessura) = 0;
    // The picture stretched into the rectangle.
    virtual void figura(const Figura& figura, const QRectF& retangulo) = 0;
};

} // namespace vidalume
