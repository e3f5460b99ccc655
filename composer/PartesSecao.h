// Which parts of a section an analysis shows, decided in one place for every output (the
// pages on screen, the printed and PDF pages, the exported text): whether the section is
// shown at all, whether its explanation opens it, its title and the text lines of its
// picture.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/InicioAnoPessoal.h"
#include "settings/Configuracao.h"
#include "settings/OpcoesMapa.h"

#include <QString>

namespace vidalume {

class PartesSecao {
public:
    static constexpr int kMinimoDescricao = 6; // shorter explanations are left out
    static constexpr int kSecaoPrimeiraVogal = 26;
    static constexpr int kUltimaSecao = kUltimaSecaoAnalise;

    // Whether section k of `analise` is shown: 1 to 28 by the live selection, 29 to 34 by
    // the map options and only when composed (an entry without a title, as in a report
    // that has no map, is never shown); false for any other k.
    static bool mostrada(const Analise& analise, const Configuracao::Selecao& selecao,
                         const OpcoesMapa& opcoes, int k);
    // Map options with every section after 28 left out and every text whole, for reports
    // that are not an analysis.
    static OpcoesMapa semSecoesMapa();
    // Whether the explanation of `item` is shown: explanations are on and it has at least
    // kMinimoDescricao characters (the sections that share one explanation carry it only in
    // their first).
    static bool comDescricao(const ItemAnalise& item, const Configuracao& configuracao);
    // The title of section k: with " Número n" (or " Letra x" for the first vowel, " Números
    // a, b" for a list) when the numbers are to be shown and the section has one.
    static QString titulo(const Analise& analise, int k, const Configuracao& configuracao);
    // The line the pages show under the title of section k: for the personal year, month
    // and day (20 to 22), which start of the personal year they follow; empty for the
    // others. The exported text leaves it out, so that its sections keep their words.
    static QString nota(int k, InicioAnoPessoal regra);
    // The picture of `item` as text lines, each ending in CR LF, then an empty line; empty
    // when the section has no picture.
    static QString textoQuadro(const ItemAnalise& item);
};

} // namespace vidalume
