// The font families the fonts dialog offers, named as a user knows them: the system lists a
// family once per foundry when several make it ("P052 [urw]", "Liberation Serif [1ASC]");
// the dialog shows and stores the plain family name, once.
#pragma once

#include <QStringList>

namespace vidalume {

class FamiliasFonte {
public:
    // The family without a trailing foundry tag in square brackets.
    static QString semFundidora(const QString& familia);
    // Every family of `familias` without its foundry tag, each once, sorted without regard
    // to case.
    static QStringList limpa(const QStringList& familias);
};

} // namespace vidalume
