// The form of a name in which the client file compares and searches names: lower case,
// accents and other combining marks removed, every run of blanks one space, no blanks at the
// ends. "  JOÃO  da Silva " and "joao da silva" have the same key.
#pragma once

#include <QString>
#include <QStringList>

namespace vidalume {

class ChaveNome {
public:
    static QString de(const QString& texto);

    // The words of a search text, each in key form; none for a blank text.
    static QStringList palavras(const QString& busca);
};

} // namespace vidalume
