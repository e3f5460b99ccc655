// A table picture: a header row in bold and the rows under it, each column as wide as its
// share of the width, with thin rules between rows and one row that may be shaded (the
// original name among its candidates). A text too wide for its cell is shortened with an
// ellipsis rather than drawn over its neighbour. Drawn with the surface's rectangles and
// strings only, never split across pages.
#pragma once

#include "composer/QuadroSecao.h"
#include "report/SuperficieDesenho.h"

namespace vidalume {

class QuadroTabela {
public:
    static constexpr double kPontos = 8;
    static constexpr double kAlturaLinha = 5.5; // mm
    static constexpr double kMargemCelula = 1;  // mm
    static constexpr double kEspessura = 0.2;   // mm
    static constexpr quint32 kSombra = 0xFFE4E4E4;

    explicit QuadroTabela(const QuadroSecao& quadro) : q_(quadro) {}

    double altura(const SuperficieDesenho& superficie, double largura) const;
    // Draws it with its top-left corner at (x, yTopo), `largura` wide; the surface's font,
    // colour and position are as they were afterwards.
    void desenha(SuperficieDesenho& superficie, double x, double yTopo, double largura) const;

    // `texto` cut with "…" so that it is at most `largura` wide in the surface's font.
    static QString cabe(const SuperficieDesenho& superficie, const QString& texto, double largura);

private:
    QList<double> larguras(double largura) const;
    void linha(SuperficieDesenho& s, const QStringList& textos, const QList<double>& larguras,
               double x, double y) const;

    const QuadroSecao& q_;
};

} // namespace vidalume
