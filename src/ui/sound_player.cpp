#include "sound_player.h"

#include <QFileInfo>
#include <QUrl>

void SoundPlayer::play(const QString& file) {
    effect_.stop();
    if (!QFileInfo(file).isFile()) return;
    const QUrl source = QUrl::fromLocalFile(file);
    if (effect_.source() != source) effect_.setSource(source);
    // Loading happens in the background; a cue asked for while it loads starts once loaded.
    effect_.play();
}
