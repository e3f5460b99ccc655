// The three fixed drawings that frame the pages of an analysis: the page header (sign
// picture, header line, name, birth date in words), the page footer (two lines and the page
// number) and the cover page. Everything they show comes from the
// Diagramacao they are made for (margins, header and footer lines, name and date); all positions
// are millimetres inside the margins.
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
    // The cover over the whole surface inside the margins: border, cover picture and the
    // words "Análise" and "Numerológica". Leaves Y at the bottom of the surface.
    void DesenhaFolhaRosto(SuperficieDesenho& destino) const;

private:
    void escreveCentrado(SuperficieDesenho& destino, float larguraMm, const QString& texto) const;
    int signo() const;

    Diagramacao dados_;
};

} // namespace vidalume
