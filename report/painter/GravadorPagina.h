// Records the drawing of a surface into a PaginaGravada.
#pragma once

#include "report/painter/PaginaGravada.h"
#include "report/painter/SaidaPintura.h"

#include <vector>

namespace vidalume {

class GravadorPagina : public SaidaPintura {
public:
    // Pictures will be drawn from `figuras` (none when null) when the page is shown.
    explicit GravadorPagina(FigurasSvg* figuras) : figuras_(figuras) {}

    void texto(QPointF origem, const QString& texto, const QFont& fonte, double espacamento,
               double escala, QRgb cor) override;
    void retangulo(const QRectF& retangulo, QRgb cor) override;
    void elipse(const QRectF& retangulo, QRgb cor, double espessura) override;
    void figura(const Figura& figura, const QRectF& retangulo) override;

    // The page recorded so far; the recorder starts an empty one.
    PaginaGravada conclui();

private:
    FigurasSvg* figuras_;
    std::vector<PaginaGravada::Passo> passos_;
    std::vector<QFont> fontes_;
    int ultimaFonte_ = -1; // the font of the last text, the one most likely asked again
};

} // namespace vidalume
