// The sections of the cabalística map that read the pyramid of the name: the four triangles,
// each drawn (in parts when the name is too long to read in one picture) and followed by its
// negative sequences, the Arcano Regente, and the Arcanos de Passagem with their timeline and
// the texts of the period being lived and the next one. Texts come from CABTRIEX
// (explanations: 1 how the pyramid is built, 2 to 5 the four triangles, 6 what a sequence
// is, 7 the regent, 8 the arcana of passage), CABSEQ (record d: the sequence of the digit d),
// ARCANOS (1 to 22 the major arcana; 23 to 99 the numerologist's own readings, empty when
// shipped) and ARCDIGIT (record d: digit d as the ground of a period; 9 + d: as its movement).
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/MapaCabalistico.h"
#include "texts/ArquivoInterpretacao.h"

#include <QDate>
#include <QStringList>

namespace vidalume {

class ComporPiramide {
public:
    static constexpr int kLetrasInteiras = 60; // a larger pyramid is drawn in parts
    static constexpr int kLadoParte = 30;      // the most rows and positions in one part
    static constexpr int kPeriodosPorParte = 25;

    // "Triângulo da Vida", "Triângulo Pessoal", "Triângulo Social", "Triângulo do Destino".
    static QString nomeTriangulo(PiramideNome::Tipo tipo);
    // The traditional names of the 22 major arcana: nomeArcano(1) "O Mago" ... (22) "O
    // Louco"; empty outside 1 to 22.
    static QString nomeArcano(int arcano);
    // "O Mago" for 1 to 22, "Arcano 36" above.
    static QString tituloArcano(int arcano);
    // The reading of a two-digit arcanum: its own record when it has one, otherwise (above
    // 22) the reading of its first digit as the ground and its second as the movement.
    static QString textoArcano(int arcano, const ArquivoInterpretacao& arquivos);

    // The parts a triangle of `n` letters is drawn in: one whole part up to kLetrasInteiras,
    // otherwise squares of at most kLadoParte rows and positions, captioned.
    static QList<QuadroSecao::Parte> partes(int n);

    // The age in years, with its fraction, reached on `dia` by someone born on `nascimento`;
    // negative before birth.
    static double idadeFracionada(QDate nascimento, QDate dia);

    // Fills the entries `vida` (and the three after it: Pessoal, Social, Destino), `regente`
    // and `passagem` of `a` from the map `m`, with the period lived on `referencia`.
    static void compoe(Analise& a, int vida, int regente, int passagem, const MapaCabalistico& m,
                       QDate referencia, const ArquivoInterpretacao& arquivos);
};

} // namespace vidalume
