// Between a record's text and the editor's text box. The record keeps line breaks as CR LF
// and holds at most 5120 single-byte characters; the box shows one line break per
// paragraph end, and refuses what the record could not hold, so that what the user sees is
// exactly what will be stored.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vidalume {

class TextoCaixa {
public:
    // The record's text as the box shows it: CR LF (and a lone CR or LF) become one line
    // break.
    static QString paraCaixa(const QString& registro);
    // The box's text as the record keeps it: every line or paragraph break (CR LF counting
    // as one) becomes CR LF.
    static QString paraRegistro(QStringView caixa);
    // How many bytes the box's text takes in a record: a line break takes two, a character
    // outside the Basic Multilingual Plane (two UTF-16 units) one, like any other.
    static qsizetype tamanhoNoRegistro(QStringView caixa);
    // The characters of the box's text that a record cannot hold and would store as "?",
    // each once, in the order they first appear (a character outside the Basic Multilingual
    // Plane counts as one).
    static QStringList semCodificacao(QStringView caixa);
    // How many UTF-16 units to remove from the end of `inserido` so that it takes at least
    // `excesso` bytes less in the record (all of it when it cannot).
    static qsizetype corteDoFim(QStringView inserido, qsizetype excesso);
};

} // namespace vidalume
