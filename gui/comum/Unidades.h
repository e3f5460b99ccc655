// Units of window geometry: positions and sizes of windows and controls are designed in
// twips (1/1440 inch), 15 to a screen pixel; where a window works in millimetres it converts
// at 56.7 twips per millimetre. Every conversion to whole pixels goes through pixels(), so
// all windows round alike.
#pragma once

#include <QRect>
#include <QRectF>

#include <cmath>

namespace vidalume {

struct Unidades {
    static constexpr int kTwipsPorPixel = 15;
    static constexpr double kTwipsPorMm = 56.7;
    static constexpr double kPixelsPorMm = kTwipsPorMm / kTwipsPorPixel;

    // Twips to the nearest whole pixel.
    static int pixels(double twips) { return int(std::lround(twips / kTwipsPorPixel)); }
    // A rectangle in twips to whole pixels, each edge rounded on its own.
    static QRect pixels(double esquerda, double topo, double largura, double altura) {
        return {pixels(esquerda), pixels(topo), pixels(largura), pixels(altura)};
    }
    // A rectangle in twips to fractional pixels, for drawing.
    static QRectF pixelsExatos(const QRectF& twips) {
        return {twips.x() / kTwipsPorPixel, twips.y() / kTwipsPorPixel,
                twips.width() / kTwipsPorPixel, twips.height() / kTwipsPorPixel};
    }
    static double twips(double pixels) { return pixels * kTwipsPorPixel; }
    // Millimetres to the nearest whole pixel, at 56.7 twips per millimetre.
    static int pixelsDeMm(double mm) { return pixels(mm * kTwipsPorMm); }
};

} // namespace vidalume
