#include "gui/estudos/QuadroTriangulos.h"

#include "report/QuadroTriangulosNome.h"
#include "report/painter/SuperficiePintor.h"

#include <QPainter>
#include <QPicture>
#include <QResizeEvent>

namespace vidalume {

QuadroTriangulos::QuadroTriangulos(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

double QuadroTriangulos::pixelsPorMm() const {
    return logicalDpiX() / 25.4;
}

void QuadroTriangulos::define(const PiramideNome& piramide, const QStringList& letras) {
    piramide_ = piramide;
    letras_ = letras;
    ajustaAltura();
    update();
}

void QuadroTriangulos::limpa() {
    define(PiramideNome(), {});
}

// The picture's height at the widget's width, measured on a surface like the one painted on.
void QuadroTriangulos::ajustaAltura() {
    if (vazio()) {
        setMinimumHeight(0);
        return;
    }
    const double porMm = pixelsPorMm();
    const double larguraMm = width() / porMm - 2 * kMargemMm;
    QPicture medida;
    QPainter pintor(&medida);
    const SuperficiePintor superficie(pintor, larguraMm, 1000, 1.0, nullptr);
    const double alturaMm =
        QuadroTriangulosNome(piramide_, letras_).altura(superficie, larguraMm) + 2 * kMargemMm;
    setMinimumHeight(int(std::ceil(alturaMm * porMm)));
}

void QuadroTriangulos::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    if (evento->oldSize().width() != evento->size().width()) {
        ajustaAltura();
    }
}

void QuadroTriangulos::paintEvent(QPaintEvent*) {
    if (vazio()) {
        return;
    }
    QPainter pintor(this);
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const double porMm = pixelsPorMm();
    SuperficiePintor superficie(pintor, width() / porMm, height() / porMm, porMm, nullptr);
    QuadroTriangulosNome(piramide_, letras_)
        .desenha(superficie, kMargemMm, kMargemMm, width() / porMm - 2 * kMargemMm);
}

} // namespace vidalume
