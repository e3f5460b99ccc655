#include "engine/TabelaHarmonia.h"

#include <initializer_list>

namespace vidalume {

namespace {

struct Linha {
    int destino;
    std::initializer_list<int> favoraveis;
    std::initializer_list<int> desfavoraveis;
};

} // namespace

int TabelaHarmonia::indice(int numero) {
    for (std::size_t i = 0; i < kNumeros.size(); ++i) {
        if (kNumeros[i] == numero) {
            return int(i);
        }
    }
    return -1;
}

TabelaHarmonia TabelaHarmonia::padrao() {
    const Linha linhas[] = {
        {1, {3, 5, 9}, {6}},
        {2, {2, 4, 6, 7}, {5, 9}},
        {3, {1, 3, 5, 6}, {4, 7, 8}},
        {4, {2, 6, 8}, {3, 5, 7, 9}},
        {5, {1, 3, 5, 7, 9}, {2, 4, 6, 8}},
        {6, {2, 3, 4, 8, 9}, {1, 5, 7}},
        {7, {2, 5, 7}, {3, 4, 6, 8, 9}},
        {8, {4, 6}, {3, 5, 7, 8, 9}},
        {9, {1, 5, 6, 9}, {2, 4, 7, 8}},
        {11, {1, 3, 5, 7, 9, 11}, {2, 4, 6, 8}},
        {22, {1, 2, 3, 4, 5, 6, 7, 8, 9, 22}, {}},
    };
    TabelaHarmonia t;
    for (const Linha& l : linhas) {
        for (int e : l.favoraveis) {
            t.define(l.destino, e, Harmonia::Favoravel);
        }
        for (int e : l.desfavoraveis) {
            t.define(l.destino, e, Harmonia::Desfavoravel);
        }
    }
    return t;
}

Harmonia TabelaHarmonia::verdicto(int destino, int expressao) const {
    const int d = indice(destino), e = indice(expressao);
    return (d < 0 || e < 0) ? Harmonia::Neutra : linhas_[d][e];
}

void TabelaHarmonia::define(int destino, int expressao, Harmonia harmonia) {
    const int d = indice(destino), e = indice(expressao);
    if (d >= 0 && e >= 0) {
        linhas_[d][e] = harmonia;
    }
}

std::array<std::uint16_t, 2> TabelaHarmonia::mascaras(int destino) const {
    std::array<std::uint16_t, 2> m{};
    const int d = indice(destino);
    for (std::size_t e = 0; d >= 0 && e < kNumeros.size(); ++e) {
        if (linhas_[d][e] == Harmonia::Favoravel) {
            m[0] |= std::uint16_t(1u << e);
        } else if (linhas_[d][e] == Harmonia::Desfavoravel) {
            m[1] |= std::uint16_t(1u << e);
        }
    }
    return m;
}

void TabelaHarmonia::defineMascaras(int destino, std::uint16_t favoraveis,
                                    std::uint16_t desfavoraveis) {
    for (std::size_t e = 0; e < kNumeros.size(); ++e) {
        const bool fav = (favoraveis >> e) & 1u, desf = (desfavoraveis >> e) & 1u;
        define(destino, kNumeros[e],
               fav ? Harmonia::Favoravel : (desf ? Harmonia::Desfavoravel : Harmonia::Neutra));
    }
}

} // namespace vidalume
