// What a program that only reads the data folder says about its settings files before it
// composes anything from them. Each reader quietly takes its defaults for a file it cannot
// read and replaces values it cannot use; left unsaid, an analysis would come out with
// another personal year or another number of pages and nobody would know why. A missing
// file is the usual state of a new folder and gets no word.
#pragma once

#include <QString>
#include <QStringList>

namespace vidalume {

class AvisosConfiguracao {
public:
    // One sentence in Portuguese for each settings file of `pasta` (program settings,
    // fonts, margins, header and footer, map options, harmony table) that exists but is not
    // a regular file or cannot be opened, naming it and saying its defaults are used; and
    // for the margins and fonts files whose stored values are replaced when read, saying
    // which values are used instead. Empty when every file is taken as it stands. Only
    // reads.
    static QStringList confere(const QString& pasta);
};

} // namespace vidalume
