#include "SaidaPintor.h"

#include "FigurasSvg.h"

#include <QPainter>

namespace vidalume {

SaidaPintor::SaidaPintor(QPainter& pintor, const QTransform& unidades, FigurasSvg* figuras)
    : pintor_(pintor), unidades_(unidades), figuras_(figuras) {}

// The text is drawn in font pixels, scaled to its size; painting on a painter that has
// already ended (a surface outliving its page) draws nothing.
void SaidaPintor::texto(QPointF origem, const QString& texto, const QFont& fonte, double escala,
                        QRgb cor) {
    if (!pintor_.isActive()) {
        return;
    }
    pintor_.setPen(QColor::fromRgba(cor));
    pintor_.setFont(fonte);
    pintor_.setTransform(QTransform::fromScale(escala, escala) * unidades_);
    pintor_.drawText(origem / escala, texto);
}

void SaidaPintor::retangulo(const QRectF& retangulo, QRgb cor) {
    if (!pintor_.isActive()) {
        return;
    }
    pintor_.setTransform(unidades_);
    pintor_.fillRect(retangulo, QColor::fromRgba(cor));
}

void SaidaPintor::figura(const Figura& figura, const QRectF& retangulo) {
    if (!pintor_.isActive() || figuras_ == nullptr) {
        return;
    }
    pintor_.setTransform(unidades_);
    figuras_->desenha(pintor_, figura, retangulo);
}

} // namespace vidalume
