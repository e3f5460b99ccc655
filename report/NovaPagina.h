// The start of a page: keeps the page counter, has the page header drawn (on page 1 always,
// on every page when the settings ask for it) and the footer with the page number, and
// tells the caller where the content may begin.
#pragma once

#include "report/DesenhosPagina.h"
#include "report/SuperficieDesenho.h"

namespace vidalume {

class NovaPagina {
public:
    static constexpr double kAlturaCabecalho = 27; // content start below the top margin
    enum Modo { PrimeiraPagina = 1, ProximaPagina = 2 };

    NovaPagina(const DesenhosPagina& desenhos, bool imprimirCabecalho)
        : desenhos_(desenhos), imprimirCabecalho_(imprimirCabecalho) {}

    // Modo 1 starts page 1, modo 2 the next page; any other value keeps the counter. Returns
    // 27 when the header was drawn, else 0. The surface's Y is left as it was.
    double inicia(SuperficieDesenho& destino, float larguraMm, float alturaMm, int modo);

    int PaginaAtual() const { return paginaAtual_; }

private:
    const DesenhosPagina& desenhos_;
    bool imprimirCabecalho_;
    int paginaAtual_ = 0;
};

} // namespace vidalume
