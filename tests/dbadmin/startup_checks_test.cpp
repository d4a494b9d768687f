#include "dbadmin/startup_checks.h"
#include "brain/query.h"
#include "dbadmin/private_server.h"
#include "dbadmin/setup_state.h"
#include "engine/text_files.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

class StartupChecksTest : public EngineFixture {
  protected:
    StartupChecksTest() {
        WriteSetupState(engine->home.path("MySQL/Setup.dat"), false);
        brain.db().execute(
            "INSERT INTO mmas (`user`, phrase, finished, original, channel, total, "
            "type) VALUES (?, ?, ?, ?, ?, ?, ?)",
            {"anna", "HI", "NO", "HI", "anna", "1", "3"});
    }
    StartupResult check(PrivateServer& server) {
        return StartupChecks(*engine, server, [this](int ms) { waits << ms; });
    }
    QList<int> waits;
};

TEST_F(StartupChecksTest, AReachableBrainMarksOldDeliveriesFinished) {
    PrivateServer server(engine->home.root(), "", brain.config());
    const StartupResult result = check(server);
    EXPECT_TRUE(result.ok && result.consoleReady && !result.firstRun);
    EXPECT_TRUE(engine->state.databaseReady);
    EXPECT_TRUE(waits.isEmpty());
    brain.db().open("SELECT finished FROM mmas LIMIT 1");
    EXPECT_EQ(brain.db().field("finished"), "YES");
}

TEST_F(StartupChecksTest, FirstRunIsAnnouncedAndWalkedOn) {
    WriteSetupState(engine->home.path("MySQL/Setup.dat"), true);
    PrivateServer server(engine->home.root(), "", brain.config());
    EXPECT_TRUE(check(server).firstRun);
    EXPECT_EQ(fakes.notifications.informations,
              QStringList{"This is the first program startup, so automatic database check will "
                          "be performed."});
    EXPECT_EQ(ReadSetupState(engine->home.path("MySQL/Setup.dat")).firstRunLine, kFirstRunFalse);
}

TEST_F(StartupChecksTest, AnUnknownSecondLineLeavesTheConsoleNotReady) {
    WriteTextLines(engine->home.path("MySQL/Setup.dat"), {kServiceActivated, "SOMETHING"});
    PrivateServer server(engine->home.root(), "", brain.config());
    const StartupResult result = check(server);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.consoleReady);
}

TEST_F(StartupChecksTest, AServerThatAnswersOnTheSecondTryCostsOneWait) {
    brain.db().execute("RENAME TABLE system_channels TO system_channels_away");
    PrivateServer server(engine->home.root(), "", brain.config());
    const StartupResult result = StartupChecks(*engine, server, [&](int ms) {
        waits << ms;
        brain.db().execute("RENAME TABLE system_channels_away TO system_channels");
    });
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(waits, QList<int>{2000});
}

TEST_F(StartupChecksTest, FourFailuresCloseTheProgramWithTheMessage) {
    brain.db().execute("DROP TABLE system_channels");
    PrivateServer server(engine->home.root(), "", brain.config());
    EXPECT_FALSE(check(server).ok);
    EXPECT_EQ(waits, (QList<int>{2000, 2000, 2000}));
    EXPECT_EQ(fakes.notifications.errors, QStringList{kNoConnectionMessage});
    EXPECT_FALSE(engine->state.databaseReady);
}

}  // namespace
