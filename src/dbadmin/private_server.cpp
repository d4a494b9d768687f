#include "private_server.h"

#include "brain/query.h"
#include "engine/text_files.h"
#include "run_hidden.h"
#include "server_files.h"

#include <QFile>
#include <QTcpSocket>
#include <QThread>

#include <csignal>

PrivateServer::PrivateServer(QString home, QString shippedBrain, DbConfig config)
    : home_(std::move(home)), shippedBrain_(std::move(shippedBrain)), config_(std::move(config)) {}

PrivateServer::~PrivateServer() {
    stopIfStarted();
}

bool PrivateServer::answers() const {
    try {
        Query probe(config_);
        probe.open("SELECT * FROM system_channels LIMIT 1");
        return true;
    } catch (const DbError&) {
        return false;
    }
}

bool PrivateServer::portTaken() const {
    QTcpSocket socket;
    socket.connectToHost(config_.host, quint16(config_.port));
    return socket.waitForConnected(1000);
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
    if (run.exitCode != 0)
        return run.output.isEmpty() ? QStringLiteral("MySQLTX service installation error!")
                                    : run.output;
    started_ = true;
    return {};
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
