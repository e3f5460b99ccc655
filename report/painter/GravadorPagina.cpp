#include "report/painter/GravadorPagina.h"

#include <algorithm>

namespace vidalume {

namespace {
// Room for the text lines and rules of a full page, so that a page is recorded without
// moving its steps around.
constexpr std::size_t kPassosPorPagina = 128;
} // namespace

void GravadorPagina::texto(QPointF origem, const QString& texto, const QFont& fonte,
                           double espacamento, double escala, QRgb cor) {
    if (ultimaFonte_ < 0 || !(fontes_[ultimaFonte_] == fonte)) {
        const auto conhecida = std::find(fontes_.begin(), fontes_.end(), fonte);
        ultimaFonte_ = static_cast<int>(conhecida - fontes_.begin());
        if (conhecida == fontes_.end()) {
            fontes_.push_back(fonte);
        }
    }
    if (passos_.empty()) {
        passos_.reserve(kPassosPorPagina);
    }
    passos_.emplace_back(
        PaginaGravada::Texto{origem, texto, ultimaFonte_, espacamento, escala, cor});
}

void GravadorPagina::retangulo(const QRectF& retangulo, QRgb cor) {
    passos_.emplace_back(PaginaGravada::Retangulo{retangulo, cor});
}

void GravadorPagina::elipse(const QRectF& retangulo, QRgb cor, double espessura) {
    passos_.emplace_back(PaginaGravada::Elipse{retangulo, cor, espessura});
}

void GravadorPagina::figura(const Figura& figura, const QRectF& retangulo) {
    passos_.emplace_back(PaginaGravada::ComFigura{figura, retangulo});
}

PaginaGravada GravadorPagina::conclui() {
    passos_.shrink_to_fit();
    PaginaGravada pagina(std::move(passos_), std::move(fontes_), figuras_);
    passos_ = {};
    fontes_ = {};
    ultimaFonte_ = -1;
    return pagina;
}

} // namespace vidalume
