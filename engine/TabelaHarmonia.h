// Which Expressão is favourable, unfavourable or neutral for each Destino in the cabalística
// school: a table the numerologist may edit. Destinos and Expressões are 1 to 9, 11 and 22;
// every pair the table does not list as favourable or unfavourable is neutral.
#pragma once

#include <QList>

#include <array>
#include <cstdint>

namespace vidalume {

enum class Harmonia { Neutra = 0, Favoravel = 1, Desfavoravel = 2 };

class TabelaHarmonia {
public:
    // The numbers a Destino or an Expressão can be, in the table's order.
    static constexpr std::array<int, 11> kNumeros{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};

    // The table as shipped.
    static TabelaHarmonia padrao();

    // The verdict for `expressao` under `destino`; neutral for any number not in kNumeros.
    Harmonia verdicto(int destino, int expressao) const;
    // Sets the verdict of one pair; numbers not in kNumeros are ignored.
    void define(int destino, int expressao, Harmonia harmonia);

    // One row as two bit masks (bit i for kNumeros[i]): favourable, unfavourable. A bit set
    // in both reads as favourable.
    std::array<std::uint16_t, 2> mascaras(int destino) const;
    void defineMascaras(int destino, std::uint16_t favoraveis, std::uint16_t desfavoraveis);

    bool operator==(const TabelaHarmonia&) const = default;

private:
    static int indice(int numero); // -1 when not in kNumeros
    std::array<std::array<Harmonia, kNumeros.size()>, kNumeros.size()> linhas_{};
};

} // namespace vidalume
