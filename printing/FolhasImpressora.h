// The sheets of a printer document for a layout: the first sheet is the printer's first
// page, each further one a new printer page. Each sheet is a fresh surface in millimetres
// with its origin at the top-left corner of the printable area.
#pragma once

#include "FabricaFolhas.h"
#include "SuperficiePintor.h"

#include <QRectF>

#include <memory>

class QPainter;
class QPrinter;

namespace vidalume {

class FigurasSvg;

class FolhasImpressora : public FabricaFolhas {
public:
    // `pintor` is active on `impressora` and stays so until conclui(); `areaMm` is the
    // printable area of the printer's page in millimetres.
    FolhasImpressora(QPainter& pintor, QPrinter& impressora, const QRectF& areaMm,
                     FigurasSvg& figuras);

    SuperficieDesenho& ProximaFolha() override;
    // Finishes the last sheet; call it before the painter ends.
    void conclui() { superficie_.reset(); }

    // Whether the printer refused a new page.
    bool falhou() const { return falhou_; }

private:
    QPainter& pintor_;
    QPrinter& impressora_;
    FigurasSvg& figuras_;
    const QRectF area_;
    std::unique_ptr<SuperficiePintor> superficie_;
    int folhas_ = 0;
    bool falhou_ = false;
};

} // namespace vidalume
