#include "app/SomQt.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace vidalume {

void SomQt::toca(const QString& arquivo, bool repete) {
    // The sound playing stops even when the new one cannot play.
    efeito_.stop();
    if (!QFileInfo(arquivo).isFile() || QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    const QUrl fonte = QUrl::fromLocalFile(QFileInfo(arquivo).absoluteFilePath());
    if (efeito_.source() != fonte) {
        efeito_.setSource(fonte);
    }
    efeito_.setLoopCount(repete ? int(QSoundEffect::Infinite) : 1);
    efeito_.play();
}

} // namespace vidalume
