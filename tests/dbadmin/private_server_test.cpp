#include "dbadmin/private_server.h"
#include "brain/query.h"
#include "dbadmin/server_files.h"
#include "dbadmin/setup_state.h"
#include "dbadmin/startup_checks.h"
#include "engine/program_home.h"
#include "engine/text_files.h"
#include "support/fake_outside.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTcpServer>
#include <QTemporaryDir>

#include <csignal>

namespace {

const QString kBrain = QStringLiteral(TALVANE_SOURCE_DATA_DIR) + "/brain";

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A program home with its own managed server on a free port, as a first run makes it.
class ManagedServer : public ::testing::Test {
  protected:
    ManagedServer() {
        SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
        config.port = FreePort();
    }
    bool firstStart(PrivateServer& server) {
        return ProgramStart(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR) + "/brain", config,
                            server, fakes.notifications);
    }
    QTemporaryDir home;
    DbConfig config;
    FakeOutside fakes;
};

TEST_F(ManagedServer, FirstRunInstallsStartsAndStopsItsServer) {
    {
        PrivateServer server(home.path(), kBrain, config);
        ASSERT_TRUE(firstStart(server)) << fakes.notifications.errors.join('\n').toStdString();
        EXPECT_EQ(fakes.notifications.informations.size(), 1);
        EXPECT_TRUE(fakes.notifications.informations[0].startsWith("Welcome Q.I.V.O™ User!"));
        EXPECT_TRUE(server.answers());
        Query db(config);
        db.open("SELECT COUNT(*) as result FROM information_schema.tables WHERE table_schema = ?",
                {"qivo"});
        EXPECT_EQ(db.field("result"), "27");
        const SetupState setup = ReadSetupState(home.filePath("MySQL/Setup.dat"));
        EXPECT_EQ(setup.serviceLine, kServiceActivated);
        EXPECT_EQ(setup.firstRunLine, kFirstRunTrue);
    }
    // Leaving scope stopped the server this run started.
    PrivateServer again(home.path(), kBrain, config);
    EXPECT_FALSE(again.answers());
}

TEST_F(ManagedServer, AStalePidFileFromACrashIsRecovered) {
    PrivateServer server(home.path(), kBrain, config);
    ASSERT_TRUE(firstStart(server));
    server.stopIfStarted();
    const ServerPaths paths = ServerPathsOf(home.path());
    WriteTextLines(paths.pidFile, {"999999"});
    WriteTextLines(paths.socket, {"stale"});
    PrivateServer restarted(home.path(), kBrain, config);
    EXPECT_EQ(restarted.install(), "");
    EXPECT_TRUE(restarted.answers());
    restarted.stopIfStarted();
    EXPECT_FALSE(restarted.answers());
}

TEST_F(ManagedServer, APortChangedInTheSettingsIsThePortServed) {
    {
        PrivateServer server(home.path(), kBrain, config);
        ASSERT_TRUE(firstStart(server));
    }
    config.port = FreePort();
    PrivateServer moved(home.path(), kBrain, config);
    EXPECT_EQ(moved.install(), "");
    EXPECT_TRUE(moved.answers());
}

TEST_F(ManagedServer, APortTakenByAnotherProgramIsAClearRefusal) {
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, quint16(config.port)));
    PrivateServer server(home.path(), kBrain, config);
    EXPECT_FALSE(firstStart(server));
    ASSERT_EQ(fakes.notifications.errors.size(), 1);
    EXPECT_TRUE(fakes.notifications.errors[0].contains("already used by another program"));
    EXPECT_FALSE(server.startedByUs());
}

TEST_F(ManagedServer, AMissingSetupFileIsAnError) {
    QFile::remove(home.filePath("MySQL/Setup.dat"));
    PrivateServer server(home.path(), kBrain, config);
    EXPECT_FALSE(firstStart(server));
    EXPECT_TRUE(fakes.notifications.errors.value(0).contains("Setup.dat"));
}

}  // namespace
