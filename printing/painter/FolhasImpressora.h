// The sheets of a printed document for a layout: the first sheet is the device's first
// page, each further one a new page. Each sheet is a fresh surface in millimetres
// with its origin at the top-left corner of the printable area.
#pragma once

#include "report/FabricaFolhas.h"
#include "report/painter/SuperficiePintor.h"

#include <QRectF>

#include <memory>

class QPainter;
class QPagedPaintDevice;

namespace vidalume {

class FigurasSvg;

class FolhasImpressora : public FabricaFolhas {
public:
    // `pintor` is active on `destino` and stays so until conclui(); `areaMm` is the
    // printable area of the device's page in millimetres.
    FolhasImpressora(QPainter& pintor, QPagedPaintDevice& destino, const QRectF& areaMm,
                     FigurasSvg& figuras);

    SuperficieDesenho& ProximaFolha() override;
    // Finishes the last sheet; call it before the painter ends.
    void conclui() { superficie_.reset(); }

    // Whether the device refused a new page.
    bool falhou() const { return falhou_; }

private:
    QPainter& pintor_;
    QPagedPaintDevice& destino_;
    FigurasSvg& figuras_;
    const QRectF area_;
    std::unique_ptr<SuperficiePintor> superficie_;
    int folhas_ = 0;
    bool falhou_ = false;
};

} // namespace vidalume
