// Which parts of a section an analysis shows, decided in one place for every output (the
// pages on screen, the printed and PDF pages, the exported text): whether the section is
// shown at all, whether its explanation opens it, and its title.
#pragma once

#include "composer/ItemAnalise.h"
#include "engine/InicioAnoPessoal.h"
#include "settings/Configuracao.h"

#include <QString>

namespace vidalume {

class PartesSecao {
public:
    static constexpr int kMinimoDescricao = 6; // shorter explanations are left out
    static constexpr int kSecaoPrimeiraVogal = 26;

    // Whether section k (1 to 28) is in the live selection.
    static bool mostrada(const Configuracao::Selecao& selecao, int k);
    // Whether the explanation of `item` is shown: explanations are on and it has at least
    // kMinimoDescricao characters (the sections that share one explanation carry it only in
    // their first).
    static bool comDescricao(const ItemAnalise& item, const Configuracao& configuracao);
    // The title of section k: with " Número n" (or " Letra x" for the first vowel) when the
    // numbers are to be shown.
    static QString titulo(const Analise& analise, int k, const Configuracao& configuracao);
    // The line the pages show under the title of section k: for the personal year, month
    // and day (20 to 22), which start of the personal year they follow; empty for the
    // others. The exported text leaves it out, so that its sections keep their words.
    static QString nota(int k, InicioAnoPessoal regra);
};

} // namespace vidalume
