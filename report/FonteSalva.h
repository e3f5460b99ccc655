// One saved font of a drawing surface, kept across a page break: the page header and
// footer draw in their own fonts, and the text goes on in the font it was using.
#pragma once

#include "report/SuperficieDesenho.h"

#include <optional>

namespace vidalume {

class FonteSalva {
public:
    // Keeps the surface's face name, size (rounded to a whole number of points, halves to
    // the even neighbour), bold and italic; a second save replaces the first.
    void SalvarFontesTela(const SuperficieDesenho& superficie);
    // Sets the surface's face name, size, bold and italic from the saved font, in that
    // order. Does nothing before the first save.
    void RestaurarFontesTela(SuperficieDesenho& superficie) const;

    const std::optional<FonteSuperficie>& salva() const { return salva_; }

    static int arredondaPar(double valor);

private:
    std::optional<FonteSuperficie> salva_;
};

} // namespace vidalume
