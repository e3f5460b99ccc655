// Tells the user of each settings file of the data folder the program does not take as it
// stands (AvisosConfiguracao): one that cannot be read and gives way to its defaults, margins
// or font sizes replaced when read. Left unsaid, an analysis would come out with another
// personal year or another number of pages and nobody would know why. Each warning is shown
// once per object, so a session is not interrupted by it at every analysis.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vidalume {

class Mensagens;

class AvisoConfiguracao {
public:
    // Shows, as "Atenção:", the warnings for `pasta` this object has not shown yet; nothing
    // when there is none or `mensagens` is null. Only reads the folder.
    void mostra(Mensagens* mensagens, QWidget* pai, const QString& pasta);

private:
    QStringList mostrados_;
};

} // namespace vidalume
