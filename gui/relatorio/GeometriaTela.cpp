#include "gui/relatorio/GeometriaTela.h"

namespace vidalume {

float GeometriaTela::GetLarguraEmMm(double larguraTelaTwips) {
    return static_cast<float>(larguraTelaTwips / kTwipsPorMm * 0.9);
}

double GeometriaTela::TopoFolha(double alturaTelaTwips) {
    return alturaTelaTwips / kTwipsPorMm * 0.04;
}

double GeometriaTela::EsquerdaFolha(double larguraTelaTwips) {
    return larguraTelaTwips / kTwipsPorMm * 0.04;
}

} // namespace vidalume
