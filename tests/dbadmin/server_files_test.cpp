#include "dbadmin/server_files.h"
#include "dbadmin/setup_state.h"
#include "engine/text_files.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

TEST(ServerFiles, MyCnfKeepsItsSectionsWithOptionsTheServerAccepts) {
    const ServerPaths paths = ServerPathsOf("/home/u/talvane");
    const QStringList cnf = MyCnfLines(paths, 3307);
    for (const char* section : {"[client]", "[mysqld]", "[mysqldump]", "[mysql]", "[isamchk]",
                                "[myisamchk]", "[mysqlhotcopy]"})
        EXPECT_TRUE(cnf.contains(section)) << section;
    for (const char* line :
         {"port = 3307", "bind-address=127.0.0.1", "skip-innodb", "default-storage-engine = Aria",
          "character-set-server = utf8mb4", "datadir = /home/u/talvane/MySQL/Data",
          "socket = /home/u/talvane/MySQL/mysql.sock"})
        EXPECT_TRUE(cnf.contains(line)) << line;
    for (const QString& line : cnf) {
        EXPECT_FALSE(line.startsWith("thread_concurrency")) << "refused by MariaDB 10.11";
        EXPECT_FALSE(line.startsWith("skip-federated")) << "fatal for MariaDB 10.11";
        EXPECT_FALSE(line.contains('\\'));
    }
}

TEST(ServerFiles, ADeepHomeGetsAShortSocket) {
    const ServerPaths paths = ServerPathsOf("/tmp/" + QString(120, 'x'));
    EXPECT_LT(paths.socket.toUtf8().size(), 107);
    EXPECT_EQ(ServerPathsOf("/tmp/" + QString(120, 'x')).socket, paths.socket) << "stable";
}

TEST(ServerFiles, TheFiveServiceScriptsAreWritten) {
    QTemporaryDir home;
    WriteServerFiles(home.path(), "/usr/share/brain", 3307);
    for (const char* script :
         {"install_qivo.sh", "install.sh", "reinstall.sh", "uninstall.sh", "uninstallshield.sh"}) {
        const QFileInfo info(home.filePath(QString("MySQL/Bin/") + script));
        EXPECT_TRUE(info.isExecutable()) << script;
    }
    const QString shield = ReadTextLines(home.filePath("MySQL/Bin/uninstallshield.sh")).join('\n');
    EXPECT_FALSE(shield.contains("read -r")) << "uninstallshield waits for nobody";
    EXPECT_TRUE(
        ReadTextLines(home.filePath("MySQL/Bin/uninstall.sh")).join('\n').contains("read -r"));
}

TEST(SetupState, OnlyTheExactDeactivatedLineMeansInstall) {
    EXPECT_TRUE((SetupState{kServiceDeactivated, kFirstRunTrue}.installPending()));
    EXPECT_FALSE((SetupState{kServiceDeactivated.toLower(), kFirstRunTrue}.installPending()));
    EXPECT_FALSE((SetupState{kServiceActivated, kFirstRunTrue}.installPending()));
    QTemporaryDir dir;
    WriteSetupState(dir.filePath("Setup.dat"), false);
    const SetupState read = ReadSetupState(dir.filePath("Setup.dat"));
    EXPECT_EQ(read.serviceLine, kServiceActivated);
    EXPECT_EQ(read.firstRunLine, kFirstRunFalse);
}

}  // namespace
