// The display picture of a report window: the page now shown, replayed from its vector
// drawing at the screen's scale, so it is sharp at any pixel density.
//
// Replaying a page takes a few milliseconds; the window can hand the page over already
// rendered (see renderiza), and the page is then painted by copying pixels, as long as the
// image still fits: same size, pixel density and colours.
#pragma once

#include "report/painter/PaginaGravada.h"

#include <QImage>
#include <QRgb>
#include <QWidget>

namespace vidalume {

// What the pixels of a rendered page depend on.
struct AparenciaPagina {
    QSize tamanho;       // the page in widget pixels
    qreal densidade = 1; // device pixels per widget pixel
    QRgb papel = 0;      // base colour of the palette
    QRgb tinta = 0;      // text colour of the palette
    double escala = 1;   // widget pixels per picture unit

    bool operator==(const AparenciaPagina&) const = default;
    qint64 bytes() const; // of one rendered page
};

class QuadroPagina : public QWidget {
    Q_OBJECT
public:
    explicit QuadroPagina(QWidget* parent = nullptr);

    // Shows `folha`, recorded in `unidadesPorMm` units per millimetre. Without a page the
    // page shown so far stays.
    void mostra(const PaginaGravada* folha, double unidadesPorMm);
    bool temFolha() const { return temFolha_; }

    // How a page recorded in `unidadesPorMm` units per millimetre looks at this widget's
    // size and colours, at `densidade` device pixels per pixel.
    AparenciaPagina aparencia(double unidadesPorMm, qreal densidade) const;
    // The page as paintEvent would paint it with that appearance: the paper in the base
    // colour, the drawing in the text colour.
    static QImage renderiza(const PaginaGravada& folha, const AparenciaPagina& aparencia);
    // The page now shown, rendered beforehand with `aparencia`; painted from then on by
    // copying its pixels while the appearance stays the same.
    void usaImagem(const QImage& imagem, const AparenciaPagina& aparencia);
    bool temImagem() const { return !imagem_.isNull(); }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    bool imagemServe(const QTransform& dispositivo) const;

    PaginaGravada folha_;
    double unidadesPorMm_ = 1.0;
    bool temFolha_ = false;
    QImage imagem_;
    AparenciaPagina aparenciaImagem_;
};

} // namespace vidalume
