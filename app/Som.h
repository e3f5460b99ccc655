// The program's one sound player. Sounds play asynchronously; a new sound replaces the one
// playing. A missing file or a machine without sound plays nothing and reports nothing.
#pragma once

#include <QString>

namespace vidalume {

class Som {
public:
    virtual ~Som() = default;
    // Plays the WAV file `arquivo`, over and over when `repete` until another sound comes.
    virtual void toca(const QString& arquivo, bool repete) = 0;
};

} // namespace vidalume
