#include "gui/relatorio/QuadroPagina.h"

#include "gui/relatorio/RolagemRelatorio.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace vidalume {

namespace {

void preparaPintor(QPainter& pintor, QRgb tinta, double escala) {
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
    pintor.setPen(QColor::fromRgba(tinta));
    pintor.scale(escala, escala);
}

} // namespace

qint64 AparenciaPagina::bytes() const {
    return qint64(std::ceil(tamanho.width() * densidade)) *
           qint64(std::ceil(tamanho.height() * densidade)) * 4;
}

QuadroPagina::QuadroPagina(QWidget* parent) : QWidget(parent) {
    // The page is paper of the system's window colour with its window text colour. The paper
    // is painted by paintEvent, and not at all where a rendered page covers it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void QuadroPagina::mostra(const PaginaGravada* folha, double unidadesPorMm) {
    if (folha == nullptr) {
        return;
    }
    folha_ = *folha;
    unidadesPorMm_ = unidadesPorMm;
    temFolha_ = true;
    imagem_ = QImage();
    update();
}

AparenciaPagina QuadroPagina::aparencia(double unidadesPorMm, qreal densidade) const {
    return {size(), densidade, palette().color(QPalette::Base).rgba(),
            palette().color(QPalette::Text).rgba(),
            RolagemRelatorio::mmParaPixels(1.0) / unidadesPorMm};
}

QImage QuadroPagina::renderiza(const PaginaGravada& folha, const AparenciaPagina& aparencia) {
    const QSize pixels(int(std::ceil(aparencia.tamanho.width() * aparencia.densidade)),
                       int(std::ceil(aparencia.tamanho.height() * aparencia.densidade)));
    if (pixels.isEmpty()) {
        return {};
    }
    // Opaque, so that painting it is a plain copy.
    QImage imagem(pixels, QImage::Format_RGB32);
    imagem.setDevicePixelRatio(aparencia.densidade);
    imagem.fill(QColor::fromRgba(aparencia.papel));
    QPainter pintor(&imagem);
    preparaPintor(pintor, aparencia.tinta, aparencia.escala);
    folha.reproduz(pintor);
    return imagem;
}

void QuadroPagina::usaImagem(const QImage& imagem, const AparenciaPagina& aparencia) {
    if (!temFolha_ || imagem.isNull()) {
        return;
    }
    imagem_ = imagem;
    aparenciaImagem_ = aparencia;
    update();
}

// The rendered page serves only a device of its own density (a screen, or render() into an
// image of that density) and only while the page looks as it did when rendered.
bool QuadroPagina::imagemServe(const QTransform& dispositivo) const {
    if (imagem_.isNull()) {
        return false;
    }
    const qreal d = aparenciaImagem_.densidade;
    return dispositivo.type() <= QTransform::TxScale && dispositivo.m11() == d &&
           dispositivo.m22() == d && aparenciaImagem_ == aparencia(unidadesPorMm_, d);
}

void QuadroPagina::paintEvent(QPaintEvent* evento) {
    QPainter pintor(this);
    if (!temFolha_) {
        pintor.fillRect(evento->rect(), palette().base());
        return;
    }
    if (imagemServe(pintor.deviceTransform())) {
        const QRect r = evento->rect();
        const qreal d = aparenciaImagem_.densidade;
        pintor.drawImage(r, imagem_, QRectF(r.x() * d, r.y() * d, r.width() * d, r.height() * d));
        return;
    }
    pintor.fillRect(evento->rect(), palette().base());
    preparaPintor(pintor, palette().color(QPalette::Text).rgba(),
                  RolagemRelatorio::mmParaPixels(1.0) / unidadesPorMm_);
    folha_.reproduz(pintor);
}

} // namespace vidalume
