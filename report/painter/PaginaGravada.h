// A finished page of a report window: what its drawing surface drew, kept as a list of
// drawing steps in hundredths of a millimetre (texts with their fonts, filled rectangles,
// outlined ellipses and pictures), replayed with any painter at any scale, so it stays sharp at any
// pixel density.
//
// Recording a page is appending to the list (see GravadorPagina); nothing is laid out or
// encoded until the page is shown. A page can also hold a QPicture, replayed as it is.
// Copies share their drawing.
#pragma once

#include "report/Figura.h"

#include <QFont>
#include <QPicture>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>

#include <memory>
#include <variant>
#include <vector>

class QPainter;

namespace vidalume {

class FigurasSvg;

class PaginaGravada {
public:
    struct Texto {
        QPointF origem; // start of the baseline
        QString texto;
        int fonte = 0;          // in the page's list of fonts
        double espacamento = 0; // added to every space, font pixels
        double escala = 1;      // hundredths of a millimetre per font pixel
        QRgb cor = 0;
    };
    struct Retangulo {
        QRectF retangulo;
        QRgb cor = 0;
    };
    struct Elipse {
        QRectF retangulo; // the ellipse is inscribed in it
        QRgb cor = 0;
        double espessura = 0; // of the line
    };
    struct ComFigura {
        Figura figura;
        QRectF retangulo;
    };
    using Passo = std::variant<Texto, Retangulo, Elipse, ComFigura>;

    PaginaGravada() = default;
    // The steps recorded for a page with the fonts its texts name; pictures are drawn from
    // `figuras` (none when null), which must outlive the page.
    PaginaGravada(std::vector<Passo> passos, std::vector<QFont> fontes, FigurasSvg* figuras);
    // A page drawn by a picture recorded in millimetres.
    PaginaGravada(const QPicture& figura); // NOLINT: a picture is a page

    bool vazia() const { return !conteudo_; }
    // Paints the page with its top-left corner at the painter's origin, one painter unit per
    // millimetre; the painter's state is as before afterwards.
    void reproduz(QPainter& pintor) const;
    // The memory the page takes, roughly.
    qint64 bytes() const;

private:
    struct Conteudo;
    std::shared_ptr<const Conteudo> conteudo_;
};

} // namespace vidalume
