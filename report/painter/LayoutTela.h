// The screen layout of an analysis: lays the composed analysis out into finished page
// pictures for a report window.
//
// Each page is recorded in millimetres: the origin is the page's top-left corner, x grows to
// the right and y downwards, and the page is larguraMm wide and 297 mm high. Paper is not
// painted: paint the page's background (the window colour) first, then the page scaled to
// the screen, for example with pinta():
//
//     QPainter p(widget);
//     p.fillRect(rectOfThePage, palette().window());
//     LayoutTela::pinta(p, pagina, pixelsPorMm); // scale(pixelsPorMm) and replay
//
// Pages are vector drawings: they stay sharp at any scale and on high-density screens, and a
// page takes a few dozen kilobytes.
#pragma once

#include "composer/ItemAnalise.h"
#include "report/painter/PaginaGravada.h"
#include "settings/Configuracao.h"
#include "settings/FontesAnalise.h"
#include "settings/LinhasRodape.h"

#include <QColor>
#include <QList>
#include <QString>

class QPainter;

namespace vidalume {

class LayoutTela {
public:
    static constexpr double kAlturaPagina = 297;

    // The pages of the analysis, page 1 first; as many as the analysis needs. Screen margins
    // are 10, 5, 10, 5 mm; the sign, divider and other pictures are read from the folder
    // "imagens" inside `pastaPrograma`; text and rules are drawn in `corTexto`.
    static QList<PaginaGravada>
    ImprimirAnaliseNoMonitor(const Analise& analise, const Configuracao& configuracao,
                             const Configuracao::Selecao& selecao, const FontesAnalise& fontes,
                             const LinhasRodape& linhas, const QString& NomeAnalise,
                             const QString& DataNascimento, double larguraMm,
                             const QString& pastaPrograma, const QColor& corTexto = Qt::black);

    // Paints a page with its top-left corner at the painter's origin, `pixelsPorMm` painter
    // units per millimetre, with antialiased text and lines.
    static void pinta(QPainter& pintor, const PaginaGravada& pagina, double pixelsPorMm);
};

} // namespace vidalume
