#include "engine/program_home.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(SoundCues, EveryCueIsAWaveFileInTheSeededHome) {
    QTemporaryDir home;
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    for (const char* cue : {"nlp", "ltt", "startai", "stopai", "pause", "unpause", "ready",
                            "autostart", "connected", "ping", "alert", "warning", "tray"}) {
        QFile file(home.filePath(QStringLiteral("sounds/%1.wav").arg(cue)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << cue;
        const QByteArray header = file.read(12);
        EXPECT_TRUE(header.startsWith("RIFF") && header.mid(8) == "WAVE") << cue;
    }
}

TEST_F(EngineFixture, ACycleStartsWithItsCueOnlyWhileSoundsAreOn) {
    engine->state.settings.enableConsoleSounds = false;
    say("one");
    EXPECT_TRUE(fakes.sounds.played.isEmpty());
    engine->state.settings.enableConsoleSounds = true;
    say("two");
    EXPECT_TRUE(fakes.sounds.played.contains(engine->home.path("sounds/nlp.wav")))
        << fakes.sounds.played.join(',').toStdString();
}

}  // namespace
