// The pictures of the pages, drawn from the SVG files in the folder "imagens" beside the
// program, optionally passed through a filter first (for grey copies, say). Each file is
// read once and kept for the rest of the run.
#pragma once

#include "Figura.h"

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>
#include <map>
#include <memory>

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

    // The shared pictures of a program folder (the folder that holds "imagens").
    static FigurasSvg& daPasta(const QString& pastaPrograma);

    // Paints the picture stretched into `retangulo`; a missing or unreadable file paints
    // nothing.
    void desenha(QPainter& pintor, const Figura& figura, const QRectF& retangulo);
    bool existe(const Figura& figura);

private:
    QSvgRenderer* renderizador(const Figura& figura);

    QString pasta_;
    Filtro filtro_;
    std::map<QString, std::unique_ptr<QSvgRenderer>> cache_;
};

} // namespace vidalume
