#include "dbadmin/private_server.h"
#include "brain/query.h"
#include "dbadmin/db_config_rebuild.h"
#include "dbadmin/run_hidden.h"
#include "dbadmin/server_files.h"
#include "dbadmin/setup_state.h"
#include "dbadmin/startup_checks.h"
#include "engine/text_files.h"
#include "support/managed_home.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTcpServer>

#include <sys/stat.h>
#include <csignal>

namespace {

const WaitFunction kNoWait = [](int) {};

// Whether the brain of the configuration answers the test statement.
bool Answers(const DbConfig& config) {
    try {
        Query db(config);
        db.open("SELECT * FROM system_channels LIMIT 1");
        return true;
    } catch (const DbError&) {
        return false;
    }
}

bool Alive(qint64 pid) {
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

class ManagedServer : public ::testing::Test {
  protected:
    std::unique_ptr<ManagedHome> home = std::make_unique<ManagedHome>();
    RecordingNotifications notifications;
};

TEST_F(ManagedServer, FirstRunGivesTheHomeItsOwnPasswordAndStopsItsServer) {
    {
        const std::unique_ptr<PrivateServer> server = home->server();
        ASSERT_TRUE(home->firstStart(*server, notifications))
            << notifications.errors.join('\n').toStdString();
        EXPECT_EQ(notifications.informations.size(), 1);
        EXPECT_TRUE(notifications.informations[0].startsWith("Welcome Q.I.V.O™ User!"));
        const DbConfig config = home->config();
        EXPECT_EQ(config.password.size(), 24);
        EXPECT_EQ(server->config().password, config.password);
        struct stat file {};
        ASSERT_EQ(::stat(DbConfigPath(home->path()).toLocal8Bit().constData(), &file), 0);
        EXPECT_EQ(file.st_mode & 0777, 0600u) << "the password is the owner's alone";
        EXPECT_TRUE(Answers(server->config()));
        DbConfig shared = config;
        shared.password = kSharedPassword;
        EXPECT_FALSE(Answers(shared)) << "the password every home used to share opens nothing";
        Query db(server->config());
        db.open("SELECT COUNT(*) as result FROM information_schema.tables WHERE table_schema = ?",
                {"qivo"});
        EXPECT_EQ(db.field("result"), "27");
        const SetupState setup = ReadSetupState(home->path() + "/MySQL/Setup.dat");
        EXPECT_EQ(setup.serviceLine, kServiceActivated);
        EXPECT_EQ(setup.firstRunLine, kFirstRunTrue);
    }
    // Leaving scope stopped the server this run started.
    EXPECT_FALSE(Answers(home->config()));
}

TEST_F(ManagedServer, AFirstInstallOnABusyPortTakesTheNextFreeOne) {
    const int busy = home->config().port;
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, quint16(busy)));
    const std::unique_ptr<PrivateServer> server = home->server();
    ASSERT_TRUE(home->firstStart(*server, notifications))
        << notifications.errors.join('\n').toStdString();
    const int taken = home->config().port;
    EXPECT_GT(taken, busy);
    EXPECT_EQ(ServerFilePort(home->path()), taken) << "my.cnf serves the port Database.ini names";
    ASSERT_EQ(notifications.informations.size(), 2);
    EXPECT_TRUE(notifications.informations[1].contains(QString::number(busy)) &&
                notifications.informations[1].contains("takes port " + QString::number(taken)))
        << notifications.informations[1].toStdString();
    EXPECT_TRUE(Answers(home->config()));
}

// Homes set up before each had its own password all used the shared one: such a home keeps
// working, and a second one on its port is refused instead of using the first one's brain.
TEST_F(ManagedServer, AHomeNeverUsesAnotherHomesServer) {
    std::unique_ptr<PrivateServer> first = home->server();
    ASSERT_TRUE(home->firstStart(*first, notifications));
    DbConfig legacy = home->config();
    legacy.password = kSharedPassword;
    SaveDbConfig(DbConfigPath(home->path()), legacy);
    first->setConfig(legacy);
    ASSERT_EQ(first->install(), "");
    ASSERT_TRUE(Answers(first->config())) << "a home with the shared password keeps working";

    ManagedHome second;
    SaveDbConfig(DbConfigPath(second.path()), legacy);
    WriteSetupState(second.path() + "/MySQL/Setup.dat", false);
    {
        const std::unique_ptr<PrivateServer> server = second.server();
        Query db(server->config());
        const Reach reach = ReachBrain(db, *server, kNoWait);
        EXPECT_FALSE(reach.reached);
        EXPECT_TRUE(reach.failure.contains(home->path() + "/MySQL/Data"))
            << reach.failure.toStdString();
        EXPECT_TRUE(reach.failure.contains("port key of " + DbConfigPath(second.path())))
            << reach.failure.toStdString();
        EXPECT_FALSE(server->startedByUs()) << "another home's server is never adopted";
        EXPECT_THROW(db.open("SELECT 1 AS one"), DbForeignServer) << "nor reached later";
    }
    EXPECT_TRUE(Answers(first->config())) << "nor stopped";
}

TEST_F(ManagedServer, TheHomesOwnServerLeftBehindIsAdoptedAndStoppedAtExit) {
    {
        const std::unique_ptr<PrivateServer> server = home->server();
        ASSERT_TRUE(home->firstStart(*server, notifications));
    }
    // As a killed program leaves it: started, and nobody to stop it.
    const QString bin = home->path() + "/MySQL/Bin";
    ASSERT_EQ(RunHiddenAndWait("/bin/bash", {bin + "/install_qivo.sh"}, bin).exitCode, 0);
    const qint64 leftBehind = ServerPidOf(home->path());
    ASSERT_TRUE(Alive(leftBehind));

    const std::unique_ptr<PrivateServer> server = home->server();
    Query db(server->config());
    ASSERT_TRUE(ReachBrain(db, *server, kNoWait).reached);
    EXPECT_EQ(ServerPidOf(home->path()), leftBehind) << "the running server is used";
    EXPECT_TRUE(server->startedByUs());
    server->stopIfStarted();
    EXPECT_FALSE(Alive(leftBehind));
}

TEST_F(ManagedServer, AStalePidFileFromACrashIsRecovered) {
    const std::unique_ptr<PrivateServer> server = home->server();
    ASSERT_TRUE(home->firstStart(*server, notifications));
    server->stopIfStarted();
    const ServerPaths paths = ServerPathsOf(home->path());
    WriteTextLines(paths.pidFile, {"999999"});
    WriteTextLines(paths.socket, {"stale"});
    const std::unique_ptr<PrivateServer> restarted = home->server();
    EXPECT_EQ(restarted->install(), "");
    EXPECT_TRUE(restarted->answers());
    restarted->stopIfStarted();
    EXPECT_FALSE(restarted->answers());
}

TEST_F(ManagedServer, APortChangedInTheSettingsIsThePortServed) {
    {
        const std::unique_ptr<PrivateServer> server = home->server();
        ASSERT_TRUE(home->firstStart(*server, notifications));
    }
    DbConfig moved = home->config();
    moved.port = FreePort();
    SaveDbConfig(DbConfigPath(home->path()), moved);
    const std::unique_ptr<PrivateServer> server = home->server();
    EXPECT_EQ(server->install(), "");
    EXPECT_TRUE(server->answers());
}

// The password cannot be read back from the server: the rebuilt file gets a new one, which the
// start gives the brain's user, whether the server is running or not.
TEST_F(ManagedServer, AMissingDatabaseIniIsRebuiltFromTheHomesServerFiles) {
    const std::unique_ptr<PrivateServer> first = home->server();
    ASSERT_TRUE(home->firstStart(*first, notifications));
    const DbConfig before = home->config();
    ASSERT_NE(before.port, DbConfig{}.port);
    for (const bool running : {true, false}) {
        SCOPED_TRACE(running ? "server running" : "server stopped");
        if (!running) StopServerOf(home->path());
        ASSERT_TRUE(QFile::remove(DbConfigPath(home->path())));
        const QString warning = RebuildMissingDbConfig(home->path());
        EXPECT_TRUE(warning.contains(DbConfigPath(home->path())) &&
                    warning.contains(QString::number(before.port)))
            << warning.toStdString();
        const DbConfig rebuilt = home->config();
        EXPECT_EQ(rebuilt.port, before.port) << "not the shipped port";
        EXPECT_NE(rebuilt.password, before.password);
        EXPECT_EQ(rebuilt.password.size(), 24);
        EXPECT_TRUE(rebuilt.managed);
        const std::unique_ptr<PrivateServer> server = home->server();
        Query db(server->config());
        EXPECT_TRUE(ReachBrain(db, *server, kNoWait).reached);
        server->stopIfStarted();
    }
    EXPECT_EQ(RebuildMissingDbConfig(home->path()), "") << "a file that is there stays";
}

TEST_F(ManagedServer, AMissingSetupFileIsAnError) {
    QFile::remove(home->path() + "/MySQL/Setup.dat");
    const std::unique_ptr<PrivateServer> server = home->server();
    EXPECT_FALSE(home->firstStart(*server, notifications));
    EXPECT_TRUE(notifications.errors.value(0).contains("Setup.dat"));
}

TEST(ManagedServerPath, AHomePathWithBlanksIsSetUp) {
    ManagedHome home("a home with blanks");
    RecordingNotifications notifications;
    const std::unique_ptr<PrivateServer> server = home.server();
    ASSERT_TRUE(home.firstStart(*server, notifications))
        << notifications.errors.join('\n').toStdString();
    EXPECT_TRUE(server->answers());
    Query db(server->config());
    db.open("SELECT @@datadir AS folder");
    EXPECT_EQ(QDir::cleanPath(db.field("folder")), home.path() + "/MySQL/Data");
}

// A failed install says what the tool said, not a guess at the cause.
TEST(ManagedServerPath, AFailedInstallQuotesTheToolsOwnError) {
    ManagedHome home;
    // A file where the server keeps its system tables: the tool cannot create them.
    ASSERT_TRUE(QDir().mkpath(home.path() + "/MySQL/Data"));
    WriteTextLines(home.path() + "/MySQL/Data/mysql", {"in the way"});
    RecordingNotifications notifications;
    const std::unique_ptr<PrivateServer> server = home.server();
    EXPECT_FALSE(home.firstStart(*server, notifications));
    const QString error = notifications.errors.join('\n');
    EXPECT_TRUE(error.contains("cannot initialise the data folder " + home.path() + "/MySQL/Data:"))
        << error.toStdString();
    EXPECT_FALSE(error.contains("disk full")) << error.toStdString();
}

}  // namespace
