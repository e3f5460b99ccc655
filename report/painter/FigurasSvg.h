// The pictures of the pages, drawn from the SVG files in the folder "imagens" of the
// program's read-only files, optionally passed through a filter first (for grey copies, say). Each
// file is read once and kept for the rest of the run.
//
// On screen (a painter on pixels) a picture is drawn from its pixels as last rendered for the
// same size and position within a pixel, as long as those fit in a few megabytes: replaying a
// page then copies its dividers and sign instead of rendering their curves again. Printers
// and PDF files always get the vector drawing.
#pragma once

#include "report/Figura.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

class QPainter;
class QSvgRenderer;

namespace vidalume {

class FigurasSvg {
public:
    // Changes the text of an SVG file before it is drawn.
    using Filtro = std::function<QByteArray(const QByteArray&)>;

    explicit FigurasSvg(QString pastaImagens, Filtro filtro = {});
    ~FigurasSvg();
    FigurasSvg(const FigurasSvg&) = delete;
    FigurasSvg& operator=(const FigurasSvg&) = delete;

    // The shared pictures of a program folder: those of the folder "imagens" in the read-only
    // folder PastaDados::recursos names for it. Each thread has its own (an object of this
    // class is used by one thread at a time), kept until the thread ends.
    static FigurasSvg& daPasta(const QString& pastaPrograma);

    // Paints the picture stretched into `retangulo`; a missing or unreadable file paints
    // nothing.
    void desenha(QPainter& pintor, const Figura& figura, const QRectF& retangulo);
    bool existe(const Figura& figura);

private:
    // What the pixels of a rendered picture depend on: the file, the size in device pixels
    // and where the picture starts inside its first pixel (both in 64ths of a pixel), and
    // whether it is antialiased.
    using ChavePixels = std::tuple<QString, qint64, qint64, int, int, bool>;

    QSvgRenderer* renderizador(const Figura& figura);
    // Draws from the picture's pixels; false when the painter or the size does not suit.
    bool desenhaPixels(QPainter& pintor, const QString& nome, QSvgRenderer& r,
                       const QRectF& retangulo);

    QString pasta_;
    Filtro filtro_;
    std::map<QString, std::unique_ptr<QSvgRenderer>> cache_;
    std::map<ChavePixels, QImage> pixels_;
    qint64 bytesPixels_ = 0;
};

} // namespace vidalume
