#include "private_server.h"

#include "brain/query.h"
#include "engine/text_files.h"
#include "run_hidden.h"
#include "server_files.h"

#include <QFile>
#include <QTcpSocket>
#include <QThread>

#include <pwd.h>
#include <unistd.h>
#include <csignal>

namespace {

bool Listening(const QString& host, int port) {
    QTcpSocket socket;
    socket.connectToHost(host, quint16(port));
    return socket.waitForConnected(1000);
}

// The server's root account answers the operating-system user who installed it, through the
// socket only.
DbConfig RootConfig(const QString& home) {
    const ServerPaths paths = ServerPathsOf(home);
    const passwd* me = ::getpwuid(::geteuid());
    DbConfig root;
    root.host = "localhost";
    root.socket = paths.socket;
    root.user = me ? QString::fromLocal8Bit(me->pw_name) : QString();
    root.password.clear();
    root.database.clear();
    root.ownDataFolder = paths.data;
    return root;
}

}  // namespace

PrivateServer::PrivateServer(QString home, QString shippedBrain, DbConfig config)
    : home_(std::move(home)), shippedBrain_(std::move(shippedBrain)) {
    setConfig(std::move(config));
}

PrivateServer::~PrivateServer() {
    stopIfStarted();
}

void PrivateServer::setConfig(DbConfig config) {
    config_ = std::move(config);
    config_.ownDataFolder = config_.managed ? ServerPathsOf(home_).data : QString();
}

bool PrivateServer::answers() const {
    try {
        Query probe(config_);
        probe.open("SELECT * FROM system_channels LIMIT 1");
        return true;
    } catch (const DbForeignServer&) {
        throw;
    } catch (const DbError&) {
        return false;
    }
}

QString PrivateServer::install() {
    // Rewritten on every install so that a port changed in Main/Database.ini is the port served.
    try {
        WriteServerFiles(home_, shippedBrain_, config_.port);
    } catch (const TextFileError& e) {
        return QString::fromUtf8(e.what());
    }
    const QString bin = home_ + "/MySQL/Bin";
    const RunResult run = RunHiddenAndWait("/bin/bash", {bin + "/install_qivo.sh"}, bin);
    if (!run.started) return "MySQLTX service installation error! " + run.output;
    // From here on the server may be running: a failed install stops it again, so that no
    // server of this home is left behind when the program closes.
    started_ = true;
    const QString failure = run.exitCode == 0 ? grantBrainUser()
                            : run.output.isEmpty()
                                ? QStringLiteral("MySQLTX service installation error!")
                                : run.output;
    if (!failure.isEmpty()) stopIfStarted();
    return failure;
}

// Database.ini holds the password: the server is told it, so a home whose settings file was
// rebuilt, or whose install was cut short, still reaches its brain. The statements that set a
// password take no parameters; the password reaches them through a bound user variable.
QString PrivateServer::grantBrainUser() const {
    try {
        Query root(RootConfig(home_));
        root.execute("SET @brain_password = ?", {config_.password});
        for (const char* host : {"localhost", "127.0.0.1"}) {
            const QString account = QStringLiteral("''qivo''@''%1''").arg(host);
            root.executeUnprepared("EXECUTE IMMEDIATE CONCAT('CREATE USER IF NOT EXISTS " +
                                   account + " IDENTIFIED BY ', QUOTE(@brain_password))");
            root.executeUnprepared("EXECUTE IMMEDIATE CONCAT('ALTER USER " + account +
                                   " IDENTIFIED BY ', QUOTE(@brain_password))");
            root.executeUnprepared(QStringLiteral("GRANT ALL ON qivo.* TO 'qivo'@'%1'").arg(host));
        }
        return {};
    } catch (const DbError& e) {
        return "MySQLTX service: cannot give the brain's user its password: " + e.message();
    }
}

void PrivateServer::stopIfStarted() {
    if (!started_) return;
    started_ = false;
    QFile pidFile(ServerPathsOf(home_).pidFile);
    if (!pidFile.open(QIODevice::ReadOnly)) return;
    const pid_t pid = pid_t(pidFile.readAll().trimmed().toLongLong());
    if (pid <= 0 || ::kill(pid, SIGTERM) != 0) return;
    // The server flushes its tables on SIGTERM; wait until it has gone so nothing is lost.
    for (int i = 0; i < 600 && ::kill(pid, 0) == 0; ++i)
        QThread::msleep(100);
}

int FirstFreePort(const QString& host, int from) {
    for (int port = from; port < from + 100 && port <= 65535; ++port)
        if (!Listening(host, port)) return port;
    return from;
}

QString ForeignServerMessage(const PrivateServer& server, const QString& dataFolder) {
    const DbConfig& config = server.config();
    return QStringLiteral(
               "The brain server on port %1 of %2 keeps its data in %3, not in this "
               "home's %4: it is another home's brain, and this home will not use it. "
               "Give this home a port of its own: set the port key of %5 to a free "
               "port (for example port=%6) and start again.")
        .arg(config.port)
        .arg(config.host, dataFolder, config.ownDataFolder, DbConfigPath(server.home()))
        .arg(FirstFreePort(config.host, config.port + 1));
}
