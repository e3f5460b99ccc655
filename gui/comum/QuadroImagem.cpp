#include "gui/comum/QuadroImagem.h"

#include <QMouseEvent>
#include <QPainter>

namespace vidalume {

QuadroImagem::QuadroImagem(Modo modo, QWidget* parent) : QWidget(parent), modo_(modo) {}

void QuadroImagem::mostra(const QString& arquivo) {
    arquivo_ = arquivo;
    renderizador_.load(arquivo);
    update();
}

void QuadroImagem::limpa() {
    arquivo_.clear();
    renderizador_.load(QByteArray());
    update();
}

QRectF QuadroImagem::area() const {
    const QRectF caixa = rect();
    if (modo_ == Modo::Esticar) {
        return caixa;
    }
    QSizeF tamanho = renderizador_.defaultSize();
    tamanho.scale(caixa.size(), Qt::KeepAspectRatio);
    QRectF r(QPointF(), tamanho);
    r.moveCenter(caixa.center());
    return r;
}

void QuadroImagem::paintEvent(QPaintEvent*) {
    if (!renderizador_.isValid()) {
        return;
    }
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    renderizador_.render(&pintor, area());
}

void QuadroImagem::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) {
        emit clicado();
    }
    QWidget::mouseReleaseEvent(evento);
}

} // namespace vidalume
