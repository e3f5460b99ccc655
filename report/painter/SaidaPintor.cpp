#include "report/painter/SaidaPintor.h"

#include "report/painter/FigurasSvg.h"

#include <QPainter>

namespace vidalume {

SaidaPintor::SaidaPintor(QPainter& pintor, const QTransform& unidades, FigurasSvg* figuras)
    : pintor_(pintor), unidades_(unidades), figuras_(figuras) {}

// The text is drawn in font pixels, scaled to its size; painting on a painter that has
// already ended (a surface outliving its page) draws nothing.
void SaidaPintor::texto(QPointF origem, const QString& texto, const QFont& fonte,
                        double espacamento, double escala, QRgb cor) {
    if (!pintor_.isActive()) {
        return;
    }
    if (cor_ != cor) {
        pintor_.setPen(QColor::fromRgba(cor));
        cor_ = cor;
    }
    if (fonte_ != fonte || espacamento_ != espacamento) {
        QFont comEspacamento = fonte;
        if (espacamento != 0) {
            comEspacamento.setWordSpacing(espacamento);
        }
        pintor_.setFont(comEspacamento);
        fonte_ = fonte;
        espacamento_ = espacamento;
    }
    transforma(escala);
    pintor_.drawText(origem / escala, texto);
}

void SaidaPintor::retangulo(const QRectF& retangulo, QRgb cor) {
    if (!pintor_.isActive()) {
        return;
    }
    transforma(0);
    pintor_.fillRect(retangulo, QColor::fromRgba(cor));
}

void SaidaPintor::elipse(const QRectF& retangulo, QRgb cor, double espessura) {
    if (!pintor_.isActive()) {
        return;
    }
    transforma(0);
    pintor_.save();
    pintor_.setRenderHint(QPainter::Antialiasing);
    pintor_.setPen(QPen(QColor::fromRgba(cor), espessura));
    pintor_.setBrush(Qt::NoBrush);
    pintor_.drawEllipse(retangulo);
    pintor_.restore();
}

void SaidaPintor::figura(const Figura& figura, const QRectF& retangulo) {
    if (!pintor_.isActive() || figuras_ == nullptr) {
        return;
    }
    transforma(0);
    figuras_->desenha(pintor_, figura, retangulo);
}

void SaidaPintor::transforma(double escala) {
    if (escala_ == escala) {
        return;
    }
    pintor_.setTransform(escala == 0 ? unidades_
                                     : QTransform::fromScale(escala, escala) * unidades_);
    escala_ = escala;
}

} // namespace vidalume
