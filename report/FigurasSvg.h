// The pictures of the pages, drawn from the SVG files in the folder "imagens" beside the
// program. Each file is read once and kept for the rest of the run.
#pragma once

#include "Figura.h"

#include <QRectF>
#include <QString>

#include <map>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace vidalume {

class FigurasSvg {
public:
    explicit FigurasSvg(QString pastaImagens);
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
    std::map<QString, std::unique_ptr<QSvgRenderer>> cache_;
};

} // namespace vidalume
