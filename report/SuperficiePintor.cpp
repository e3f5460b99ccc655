#include "SuperficiePintor.h"

#include <QPainter>

#include <algorithm>

namespace vidalume {

namespace {

constexpr double kMmPorPonto = 25.4 / 72;
constexpr double kU = SuperficiePintor::kUnidadesPorMm;

QRectF emUnidades(double x, double y, double largura, double altura) {
    return {x * kU, y * kU, largura * kU, altura * kU};
}

} // namespace

QFont SuperficiePintor::criaFonte(const FonteSuperficie& fonte) {
    QFont f(fonte.nome);
    f.setPixelSize(std::max(1, qRound(fonte.tamanho * kMmPorPonto * kU)));
    f.setBold(fonte.negrito);
    f.setItalic(fonte.italico);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

SuperficiePintor::SuperficiePintor(QPainter& pintor, double larguraMm, double alturaMm,
                                   double dispositivoPorMm, FigurasSvg* figuras,
                                   const QColor& papel)
    : pintor_(pintor), largura_(larguraMm), altura_(alturaMm),
      escala_(QTransform::fromScale(dispositivoPorMm / kU, dispositivoPorMm / kU) *
              pintor.transform()),
      figuras_(figuras), papel_(papel), fonteQt_(criaFonte(fonte())),
      metricas_(fonteQt_, pintor.device()) {
    EscalaMilimetros();
    FonteMudou();
    CorMudou();
}

void SuperficiePintor::EscalaMilimetros() {
    pintor_.setTransform(escala_);
}

double SuperficiePintor::LarguraTexto(const QString& texto) const {
    if (texto.isEmpty()) {
        return 0;
    }
    if (texto != ultimoMedido_) {
        ultimoMedido_ = texto;
        ultimaLargura_ = metricas_.horizontalAdvance(texto) / kU;
    }
    return ultimaLargura_;
}

double SuperficiePintor::AlturaTexto(const QString&) const {
    return metricas_.height() / kU;
}

void SuperficiePintor::DesenhaTexto(double x, double y, const QString& texto) {
    if (texto.isEmpty()) {
        return;
    }
    pintor_.drawText(QPointF(x * kU, y * kU + metricas_.ascent()), texto);
}

void SuperficiePintor::Retangulo(double x1, double y1, double x2, double y2) {
    const QRectF r = QRectF(QPointF(x1 * kU, y1 * kU), QPointF(x2 * kU, y2 * kU)).normalized();
    pintor_.fillRect(r, QColor::fromRgba(CorFrente()));
}

void SuperficiePintor::PintaFigura(const Figura& figura, double x, double y, double largura,
                                   double altura) {
    if (figuras_) {
        figuras_->desenha(pintor_, figura, emUnidades(x, y, largura, altura));
    }
}

void SuperficiePintor::ApagaTudo() {
    pintor_.fillRect(emUnidades(0, 0, largura_, altura_), papel_);
}

void SuperficiePintor::FonteMudou() {
    fonteQt_ = criaFonte(fonte());
    metricas_ = QFontMetricsF(fonteQt_, pintor_.device());
    ultimoMedido_.clear();
    pintor_.setFont(fonteQt_);
}

void SuperficiePintor::CorMudou() {
    pintor_.setPen(QColor::fromRgba(CorFrente()));
}

} // namespace vidalume
