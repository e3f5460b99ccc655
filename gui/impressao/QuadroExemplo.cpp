#include "gui/impressao/QuadroExemplo.h"

#include "report/painter/LayoutTela.h"
#include "report/painter/SuperficiePintor.h"

#include <QPainter>

namespace vidalume {

QuadroExemplo::QuadroExemplo(FigurasSvg* figuras, QWidget* parent)
    : QFrame(parent), figuras_(figuras) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

QSizeF QuadroExemplo::tamanhoMm() const {
    const QRect dentro = contentsRect();
    return {dentro.width() / kPixelsPorMm, dentro.height() / kPixelsPorMm};
}

void QuadroExemplo::desenha(const std::function<void(SuperficieDesenho&)>& desenho) {
    const QSizeF mm = tamanhoMm();
    QPicture nova;
    {
        QPainter pintor(&nova);
        pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                              QPainter::SmoothPixmapTransform);
        SuperficiePintor superficie(pintor, mm.width(), mm.height(), 1.0, figuras_);
        desenho(superficie);
    }
    figura_ = nova;
    update();
}

void QuadroExemplo::desenhaAgora(const std::function<void(SuperficieDesenho&)>& desenho) {
    desenha(desenho);
    repaint();
}

void QuadroExemplo::paintEvent(QPaintEvent* evento) {
    QFrame::paintEvent(evento);
    QPainter pintor(this);
    const QRect dentro = contentsRect();
    pintor.setClipRect(dentro);
    pintor.translate(dentro.topLeft());
    LayoutTela::pinta(pintor, figura_, kPixelsPorMm);
}

} // namespace vidalume
