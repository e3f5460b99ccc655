#include "QuadroPagina.h"

#include "RolagemRelatorio.h"

#include <QPainter>

namespace vidalume {

QuadroPagina::QuadroPagina(QWidget* parent) : QWidget(parent) {
    // The page is paper of the system's window colour with its window text colour.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void QuadroPagina::mostra(const QPicture* folha, double unidadesPorMm) {
    if (folha == nullptr) {
        return;
    }
    folha_ = *folha;
    unidadesPorMm_ = unidadesPorMm;
    temFolha_ = true;
    update();
}

void QuadroPagina::paintEvent(QPaintEvent*) {
    if (!temFolha_) {
        return;
    }
    QPainter pintor(this);
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
    pintor.setPen(palette().color(QPalette::Text));
    const double escala = RolagemRelatorio::mmParaPixels(1.0) / unidadesPorMm_;
    pintor.scale(escala, escala);
    pintor.drawPicture(0, 0, folha_);
}

} // namespace vidalume
