// The pyramid of a name in the cabalística school (its "triângulos"): four inverted
// triangles built from the letters' values, each row the reduced sums of neighbouring digits
// of the row above, down to one digit. The rows carry the negative sequences (three or more
// equal neighbours); the base of the Triângulo da Vida gives the Arcanos de Passagem, two
// digits at a time, that share 90 years of life. Pure data; nothing here draws.
#pragma once

#include <QList>

#include <array>

namespace vidalume {

// A run of three or more equal digits side by side in one row of a triangle.
struct SequenciaNegativa {
    int linha = 0;   // 1 = the base row
    int digito = 0;  // 1 to 9
    int posicao = 0; // the run's first digit, from 1
    int tamanho = 0; // 3 or more
    bool operator==(const SequenciaNegativa&) const = default;
};

struct Triangulo {
    QList<QList<int>> linhas; // the base first; each row one digit shorter; empty for no letter
    int arcanoRegente = 0;    // the last single digit; 0 with no letter
    QList<SequenciaNegativa> sequencias; // row by row, left to right
    bool operator==(const Triangulo&) const = default;
};

// One period of the Arcanos de Passagem: a pair of neighbouring base digits read as a
// two-digit number, ruling from age `de` to age `ate`.
struct ArcanoPassagem {
    int arcano = 0; // 11 to 99
    double de = 0, ate = 0;
    bool operator==(const ArcanoPassagem&) const = default;
};

struct PiramideNome {
    enum Tipo { Vida, Pessoal, Social, Destino };
    static constexpr int kTotalTriangulos = 4;
    static constexpr double kAnosArcanos = 90; // the span the arcana share

    std::array<Triangulo, kTotalTriangulos> triangulos;
    // The digit added to every letter of each triangle's base: 0 for the Vida triangle,
    // R(day), R(month), R(R(day) + R(month)). A 9 leaves every letter as it is, so that
    // triangle is the Vida triangle again.
    std::array<int, kTotalTriangulos> acrescimo{};
    QList<ArcanoPassagem> arcanos; // in order; none for a name of fewer than two letters

    bool igualAVida(Tipo t) const { return t != Vida && acrescimo[t] == 9; }
    // The index in `arcanos` of the period at `idade` (years, fractional): the last one past
    // 90; -1 before birth or with no arcanum.
    int arcanoNaIdade(double idade) const;
    // Every negative sequence of the four triangles, a triangle equal to the Vida one counted
    // again (its rows are the Vida rows read with another base).
    int totalSequencias() const;

    bool operator==(const PiramideNome&) const = default;
};

// The triangle whose base row is `base` (digits 1 to 9): rows, regent and sequences.
Triangulo MontaTriangulo(QList<int> base);

// The four triangles and the arcana of a name whose letters are worth `valores` (1 to 9 each,
// in order, non-letters left out) for a person born on day `dia` of month `mes`.
PiramideNome CalculaPiramide(const QList<int>& valores, int dia, int mes);

} // namespace vidalume
