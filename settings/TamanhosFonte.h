// The font sizes the fonts dialog offers and how a typed size is read.
#pragma once

#include <QStringList>

namespace vidalume {

class TamanhosFonte {
public:
    // "6", "8", ... "22".
    static QStringList lista();
    // The leading number of the text (0 when it starts with none), rounded to the nearest
    // whole number with halves to the even neighbour and held within 16 bits.
    static qint16 interpreta(const QString& texto);
};

} // namespace vidalume
