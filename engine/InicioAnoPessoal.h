// When a person's personal year turns: on 1 January of each calendar year (the rule the
// analysis has always used) or on the person's birthday. Kept with the numbers so that
// every computation of a personal year takes the same rule; the settings store it.
#pragma once

#include <QString>

namespace vidalume {

enum class InicioAnoPessoal { Janeiro = 0, Aniversario = 1 };

// "no dia 1º de janeiro" or "no aniversário": what follows "O ano pessoal começa".
inline QString DescreveInicioAnoPessoal(InicioAnoPessoal regra) {
    return regra == InicioAnoPessoal::Aniversario ? QStringLiteral("no aniversário")
                                                  : QStringLiteral("em 1º de janeiro");
}

} // namespace vidalume
