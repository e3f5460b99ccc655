// The drawing surface over a QPainter: a page picture, the printer or a preview box.
//
// The surface works in millimetres; internally it draws in hundredths of a millimetre with
// fonts sized in those units, so text widths come out exact whatever the device and are
// the same when the drawing is played back at any scale. Text widths and heights are those
// of QFontMetricsF for the current font, converted to millimetres.
#pragma once

#include "FigurasSvg.h"
#include "SuperficieDesenho.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QTransform>

class QPainter;

namespace vidalume {

class SuperficiePintor : public SuperficieDesenho {
public:
    static constexpr double kUnidadesPorMm = 100;

    // `pintor` must be active on its device and stay so while the surface is used; its
    // transform at this moment, scaled by `dispositivoPorMm` (painter units per millimetre:
    // 1 for a picture recorded in millimetres, resolution / 25.4 for a printer), maps the
    // surface's millimetres. `larguraMm` x `alturaMm` is the size of the surface; `papel` the
    // colour Limpa() paints. Pictures come from `figuras` (none when null).
    SuperficiePintor(QPainter& pintor, double larguraMm, double alturaMm, double dispositivoPorMm,
                     FigurasSvg* figuras, const QColor& papel = Qt::white);

    void EscalaMilimetros() override;
    double LarguraEscala() const override { return largura_; }
    double AlturaEscala() const override { return altura_; }
    double LarguraTexto(const QString& texto) const override;
    double AlturaTexto(const QString& texto) const override;
    void Retangulo(double x1, double y1, double x2, double y2) override;
    void PintaFigura(const Figura& figura, double x, double y, double largura,
                     double altura) override;

    // The QFont the surface draws with (sized in hundredths of a millimetre).
    const QFont& fonteQt() const { return fonteQt_; }
    static QFont criaFonte(const FonteSuperficie& fonte);

protected:
    void DesenhaTexto(double x, double y, const QString& texto) override;
    void ApagaTudo() override;
    void FonteMudou() override;
    void CorMudou() override;

private:
    QPainter& pintor_;
    const double largura_;
    const double altura_;
    const QTransform escala_;
    FigurasSvg* figuras_;
    const QColor papel_;
    QFont fonteQt_;
    QFontMetricsF metricas_;
    // The last string measured and its width: a justified piece is measured twice in a row.
    mutable QString ultimoMedido_;
    mutable double ultimaLargura_ = 0;
};

} // namespace vidalume
