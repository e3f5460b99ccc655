// The three fixed drawings that frame the pages of an analysis: the page header (sign
// picture, header line, name, birth date in words), the page footer (two lines and the page
// number) and the cover page (border, cover picture, title, name and birth date in words).
// Everything they show comes from the Diagramacao they are made for (margins, header and footer
// lines, name and date); all positions are millimetres inside the margins.
#pragma once

#include "composer/Diagramacao.h"
#include "report/SuperficieDesenho.h"

#include <QString>

namespace vidalume {

class DesenhosPagina {
public:
    static constexpr double kLadoSigno = 22; // the sign picture, mm
    static constexpr double kTopoBarraCabecalho = 24;
    static constexpr double kAlturaRodape = 12; // from the footer bar to the bottom margin
    static inline const QString kFonteMoldura = QStringLiteral("Times New Roman");

    explicit DesenhosPagina(Diagramacao dados) : dados_(std::move(dados)) {}

    const Diagramacao& dados() const { return dados_; }

    // The header across the top 25 mm inside the margins of a page `larguraMm` wide. The
    // surface's Y is left as it was; its font is left at the date line's.
    void DesenhaCabecalho(SuperficieDesenho& destino, float larguraMm) const;
    // The footer in the 12 mm above the bottom margin. `paginaTexto` "0" draws no number.
    void DesenhaRodape(SuperficieDesenho& destino, float larguraMm, float alturaMm,
                       const QString& paginaTexto) const;
    // The cover over the whole surface inside the margins: border, cover picture, the words
    // "Análise" and "Numerológica", then the name as the page headers show it and the birth
    // date in words (none when the report has no date), each centred on one line. Leaves Y
    // at the bottom of the surface.
    void DesenhaFolhaRosto(SuperficieDesenho& destino) const;

private:
    void escreveCentrado(SuperficieDesenho& destino, float larguraMm, const QString& texto) const;
    // Draws `texto` at the current Y centred in the band from `inicio`, `faixa` wide; a text
    // wider than the band is drawn smaller until it fits. The font size is given back.
    static void centraNaFaixa(SuperficieDesenho& destino, double inicio, double faixa,
                              const QString& texto);
    int signo() const;

    Diagramacao dados_;
};

} // namespace vidalume
