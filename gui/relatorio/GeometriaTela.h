// The size of the report pages on screen, from the size of the screen: pages are as wide
// as 90% of the screen and as high as an A4 sheet. Screen sizes are in twips (15 per pixel)
// and are turned into millimetres at 56.7 twips per millimetre.
#pragma once

#include "gui/comum/Unidades.h"
#include "report/FolhaA4.h"

namespace vidalume {

class GeometriaTela {
public:
    static constexpr double kTwipsPorMm = Unidades::kTwipsPorMm;
    static constexpr int kTwipsPorPixel = Unidades::kTwipsPorPixel;
    static constexpr double kAlturaPagina = FolhaA4::kAltura;

    static double twipsDePixels(int pixels) { return double(pixels) * kTwipsPorPixel; }
    // Page width W: the screen width in millimetres times 0.9.
    static float GetLarguraEmMm(double larguraTelaTwips);
    // Top offset of the pages in the report window: 4% of the screen height in mm.
    static double TopoFolha(double alturaTelaTwips);
    // Left offset of the pages when the window opens: 4% of the screen width in mm.
    static double EsquerdaFolha(double larguraTelaTwips);
};

} // namespace vidalume
