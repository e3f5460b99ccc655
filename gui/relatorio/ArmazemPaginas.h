// The store of one report: its finished pages, the page now shown, the scroll position last
// used on every page and the analysis it shows (name, birth date and reference date). It lives as
// long as its window and is never written to disk.
#pragma once

#include "engine/AnalisePedida.h"
#include "gui/relatorio/FonteDePaginas.h"

#include <QString>

#include <vector>

namespace vidalume {

class ArmazemPaginas {
public:
    struct Posicao {
        float h = 0; // horizontal scroll value
        float v = 0; // vertical scroll value
    };

    void definePaginas(PaginasProntas paginas);
    // The drawing of page `pagina` (from 1), or nothing when the report has no such page.
    const PaginaGravada* folha(int pagina) const;
    double unidadesPorMm() const { return unidadesPorMm_; }

    // Takes the page count, the page shown first and the analysis the pages show.
    void GravaDados(int Paginas, int Atual, const AnalisePedida& pedido);

    // Remembers the scroll values of the page now shown (none before GravaDados).
    void guardaPosicao(Posicao posicao);
    // The scroll values last used on `pagina`; 0 and 0 for a page never shown.
    Posicao posicaoDe(int pagina) const;
    // Leaves the page now shown, remembering `atual` for it, and makes `pagina` the page
    // shown. Returns the scroll values to put back for the new page.
    Posicao trocaPagina(int pagina, Posicao atual);

    int PaginaExibida() const { return paginaExibidaAtual_; }
    int TotalDePaginas() const { return totalPaginas_; }
    bool naPrimeira() const { return paginaExibidaAtual_ == 1; }
    bool naUltima() const { return paginaExibidaAtual_ == totalPaginas_; }

    // Puts this report's name, birth date and reference date back into `pedido`.
    void AjustaDadosNaMemoria(AnalisePedida& pedido) const { pedido = pedido_; }
    const AnalisePedida& pedido() const { return pedido_; }

    // "Navegando: Página n de t", followed by " (impressa em A4: p páginas)" when the pages
    // came with their count on paper.
    QString linhaNavegacao() const;

private:
    QList<PaginaGravada> folhas_;
    double unidadesPorMm_ = 1.0;
    int paginasPapel_ = 0;
    int totalPaginas_ = 0;
    int paginaExibidaAtual_ = 0;
    std::vector<Posicao> posicoes_; // one per page, grown as pages are shown
    AnalisePedida pedido_;
};

} // namespace vidalume
