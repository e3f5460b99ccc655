// Conversion between the program's text (QString) and the single-byte Windows-1252 code
// page in which every data file keeps its texts. Conversion happens once, at the file
// boundary; inside the program every text is a QString.
#pragma once

#include <QByteArray>
#include <QString>

namespace vidalume {

class Windows1252 {
public:
    // Every byte maps to one character (the five bytes the code page leaves undefined map to
    // the C1 control characters of the same value, so any file round-trips byte for byte).
    static QString decodifica(const QByteArray& bytes);
    // One byte per character; a character the code page cannot hold becomes '?'.
    static QByteArray codifica(const QString& texto);
    // The text as a Windows-1252 text box would keep it: every character the code page
    // cannot hold (a surrogate pair counting as one) becomes '?'.
    static QString restringe(const QString& texto);
};

} // namespace vidalume
