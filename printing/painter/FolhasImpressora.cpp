#include "printing/painter/FolhasImpressora.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vidalume {

FolhasImpressora::FolhasImpressora(QPainter& pintor, QPagedPaintDevice& destino,
                                   const QRectF& areaMm, FigurasSvg& figuras)
    : pintor_(pintor), destino_(destino), figuras_(figuras), area_(areaMm) {}

SuperficieDesenho& FolhasImpressora::ProximaFolha() {
    conclui();
    if (folhas_ > 0 && !destino_.newPage()) {
        falhou_ = true;
    }
    ++folhas_;
    // Each sheet starts from the painter's own origin, the printable area's top-left.
    pintor_.resetTransform();
    pintor_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    superficie_ = std::make_unique<SuperficiePintor>(pintor_, area_.width(), area_.height(),
                                                     destino_.logicalDpiX() / 25.4, &figuras_);
    return *superficie_;
}

} // namespace vidalume
