#include "support/managed_home.h"

#include "dbadmin/server_files.h"
#include "dbadmin/startup_checks.h"
#include "engine/program_home.h"

#include <QFile>
#include <QTcpServer>
#include <QThread>

#include <csignal>

namespace {

const QString kShipped = QStringLiteral(TALVANE_SOURCE_DATA_DIR);

}  // namespace

ManagedHome::ManagedHome(const QString& folderName) : path_(parent_.filePath(folderName)) {
    SeedProgramHome(path_, kShipped);
    DbConfig config = LoadDbConfig(DbConfigPath(path_));
    config.port = FreePort();
    SaveDbConfig(DbConfigPath(path_), config);
}

ManagedHome::~ManagedHome() {
    StopServerOf(path_);
}

DbConfig ManagedHome::config() const {
    return LoadDbConfig(DbConfigPath(path_));
}

std::unique_ptr<PrivateServer> ManagedHome::server() const {
    return std::make_unique<PrivateServer>(path_, kShipped + "/brain", config());
}

bool ManagedHome::firstStart(PrivateServer& server, RecordingNotifications& notifications) const {
    return ProgramStart(path_, kShipped + "/brain", server, notifications);
}

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

qint64 ServerPidOf(const QString& home) {
    QFile file(ServerPathsOf(home).pidFile);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return file.readAll().trimmed().toLongLong();
}

void StopServerOf(const QString& home) {
    const pid_t pid = pid_t(ServerPidOf(home));
    if (pid <= 0 || ::kill(pid, SIGTERM) != 0) return;
    for (int i = 0; i < 600 && ::kill(pid, 0) == 0; ++i)
        QThread::msleep(100);
}
