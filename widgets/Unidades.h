// Units of window geometry: positions and sizes of windows and controls are designed in
// twips (1/1440 inch), 15 to a screen pixel; where a window works in millimetres it converts
// at 56.7 twips per millimetre.
#pragma once

namespace vidalume {

struct Unidades {
    static constexpr int kTwipsPorPixel = 15;
    static constexpr double kTwipsPorMm = 56.7;
    static constexpr double kPixelsPorMm = kTwipsPorMm / kTwipsPorPixel;
};

} // namespace vidalume
