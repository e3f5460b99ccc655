#include "gui/auxiliares/QuadroCapa.h"

#include <QFileInfo>
#include <QPainter>

namespace vidalume {

QuadroCapa::QuadroCapa(const QString& arquivo, QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    // A missing picture leaves the box blank.
    if (QFileInfo::exists(arquivo)) {
        renderizador_.load(arquivo);
    }
    // The cover is taller than wide: fitted into the square of each frame and centred on
    // it, so it grows undistorted.
    renderizador_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void QuadroCapa::pinta(const QRectF& area) {
    area_ = area;
    update();
}

void QuadroCapa::paintEvent(QPaintEvent*) {
    if (!renderizador_.isValid() || area_.isEmpty()) {
        return;
    }
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    renderizador_.render(&pintor, area_);
}

} // namespace vidalume
