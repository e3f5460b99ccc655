// Records the drawing of a surface into a PaginaGravada.
#pragma once

#include "PaginaGravada.h"
#include "SaidaPintura.h"

namespace vidalume {

class GravadorPagina : public SaidaPintura {
public:
    // Pictures will be drawn from `figuras` (none when null) when the page is shown.
    explicit GravadorPagina(FigurasSvg* figuras) : figuras_(figuras) {}

    void texto(QPointF origem, const QString& texto, const QFont& fonte, double escala,
               QRgb cor) override;
    void retangulo(const QRectF& retangulo, QRgb cor) override;
    void figura(const Figura& figura, const QRectF& retangulo) override;

    // The page recorded so far; the recorder starts an empty one.
    PaginaGravada conclui();

private:
    FigurasSvg* figuras_;
    std::vector<PaginaGravada::Passo> passos_;
};

} // namespace vidalume
