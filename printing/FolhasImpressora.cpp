#include "FolhasImpressora.h"

#include <QPainter>
#include <QPrinter>

namespace vidalume {

FolhasImpressora::FolhasImpressora(QPainter& pintor, QPrinter& impressora, const QRectF& areaMm,
                                   FigurasSvg& figuras)
    : pintor_(pintor), impressora_(impressora), figuras_(figuras), area_(areaMm) {}

SuperficieDesenho& FolhasImpressora::ProximaFolha() {
    conclui();
    if (folhas_ > 0 && !impressora_.newPage()) {
        falhou_ = true;
    }
    ++folhas_;
    // Each sheet starts from the painter's own origin, the printable area's top-left.
    pintor_.resetTransform();
    pintor_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    superficie_ = std::make_unique<SuperficiePintor>(pintor_, area_.width(), area_.height(),
                                                     impressora_.resolution() / 25.4, &figuras_);
    return *superficie_;
}

} // namespace vidalume
