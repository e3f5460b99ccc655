#include "GravadorPagina.h"

namespace vidalume {

void GravadorPagina::texto(QPointF origem, const QString& texto, const QFont& fonte, double escala,
                           QRgb cor) {
    passos_.emplace_back(PaginaGravada::Texto{origem, texto, fonte, escala, cor});
}

void GravadorPagina::retangulo(const QRectF& retangulo, QRgb cor) {
    passos_.emplace_back(PaginaGravada::Retangulo{retangulo, cor});
}

void GravadorPagina::figura(const Figura& figura, const QRectF& retangulo) {
    passos_.emplace_back(PaginaGravada::ComFigura{figura, retangulo});
}

PaginaGravada GravadorPagina::conclui() {
    passos_.shrink_to_fit();
    PaginaGravada pagina(std::move(passos_), figuras_);
    passos_ = {};
    return pagina;
}

} // namespace vidalume
