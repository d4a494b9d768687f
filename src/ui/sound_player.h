#pragma once

#include "engine/outside.h"

#include <QSoundEffect>

// Plays the console's sound cues in the background. One cue at a time: a new cue stops the one
// still playing. A missing file or a machine without an audio device stays silent.
class SoundPlayer final : public SoundCues {
  public:
    void play(const QString& file) override;

  private:
    QSoundEffect effect_;
};
