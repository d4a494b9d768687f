#include "irc_peers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

bool WaitUntil(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

void LinePeer::attach(QTcpSocket* socket) {
    socket_ = socket;
    connect(socket_, &QTcpSocket::readyRead, this, &LinePeer::read);
    if (socket_->isOpen()) read();  // what came before we listened
}

void LinePeer::read() {
    buffer_ += socket_->readAll();
    qsizetype end;
    while ((end = buffer_.indexOf('\n')) >= 0) {
        QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        if (line.endsWith('\r')) line.chop(1);
        if (answersPings && line.startsWith("PING ")) sendBytes("PONG " + line.mid(5) + "\r\n");
        rawLines << line;
        lines << QString::fromUtf8(line);
    }
}

void LinePeer::send(const QString& line) {
    sendBytes(line.toUtf8() + "\r\n");
}

void LinePeer::sendBytes(const QByteArray& bytes) {
    if (socket_) socket_->write(bytes);
}

QString LinePeer::waitForLine(const QString& start, int ms, qsizetype from) {
    QString found;
    const bool anywhere = start.startsWith('*');
    const QString wanted = anywhere ? start.mid(1) : start;
    WaitUntil(
        [&] {
            for (qsizetype i = from; i < lines.size(); ++i)
                if (anywhere ? lines[i].contains(wanted) : lines[i].startsWith(wanted)) {
                    found = lines[i];
                    return true;
                }
            return false;
        },
        ms);
    return found;
}

void LinePeer::close() {
    if (socket_) socket_->disconnectFromHost();
}

ScriptedServer::ScriptedServer() {
    server_.listen(QHostAddress::LocalHost);
}

bool ScriptedServer::accept(int ms) {
    if (!WaitUntil([&] { return server_.hasPendingConnections(); }, ms)) return false;
    attach(server_.nextPendingConnection());
    return true;
}

bool ScriptedServer::welcome(const QString& nick, const QString& mask) {
    if (waitForLine("USER ").isEmpty()) return false;
    send(":irc.test 001 " + nick + " :Welcome to the Test IRC Network " + nick + '!' + mask);
    return true;
}

bool ScriptedUser::connectTo(quint16 port, const QString& userNick) {
    nick = userNick;
    auto* socket = new QTcpSocket(this);
    attach(socket);
    socket->connectToHost(QHostAddress::LocalHost, port);
    if (!WaitUntil([&] { return isOpen(); })) return false;
    send("NICK " + nick);
    // A user name holds letters and digits only, whatever the nick holds.
    QString user = nick;
    user.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
    send("USER " + user + " 0 * :Scripted user");
    return !waitForLine(":irc.test 001 ", 10000).isEmpty();
}

ClientEvents::ClientEvents(IrcClient& client) {
    const auto record = [this](const QString& name) {
        return [this, name](const auto&... arguments) {
            QStringList words = {name};
            (words << ... << arguments);
            events << words.join(' ');
        };
    };
    connect(&client, &IrcClient::lineSent, this, [this](const QString& line) { sent << line; });
    connect(&client, &IrcClient::connected, this, [this] { events << "connected"; });
    connect(&client, &IrcClient::registered, this, record("registered"));
    connect(&client, &IrcClient::disconnected, this, record("disconnected"));
    connect(&client, &IrcClient::identified, this, record("identified"));
    connect(&client, &IrcClient::message, this, record("message"));
    connect(&client, &IrcClient::action, this, record("action"));
    connect(&client, &IrcClient::notice, this, record("notice"));
    connect(&client, &IrcClient::userJoined, this, record("userJoined"));
    connect(&client, &IrcClient::joined, this, record("joined"));
    connect(&client, &IrcClient::userParted, this, record("userParted"));
    connect(&client, &IrcClient::parted, this, record("parted"));
    connect(&client, &IrcClient::kicked, this, record("kicked"));
    connect(&client, &IrcClient::userKicked, this, record("userKicked"));
    connect(&client, &IrcClient::nickChanged, this, record("nickChanged"));
    connect(&client, &IrcClient::ownNickChanged, this, record("ownNickChanged"));
    connect(&client, &IrcClient::userQuit, this, record("userQuit"));
    connect(&client, &IrcClient::invited, this, record("invited"));
    connect(&client, &IrcClient::pingPong, this, record("pingPong"));
    connect(
        &client, &IrcClient::joinRefused, this,
        [this](const QString& channel, int numeric, const QString& text) {
            events << QStringLiteral("joinRefused %1 %2 %3").arg(channel).arg(numeric).arg(text);
        });
    connect(&client, &IrcClient::nickRefused, this,
            [this](const QString& nick, int numeric, const QString& text) {
                events << QStringLiteral("nickRefused %1 %2 %3").arg(nick).arg(numeric).arg(text);
            });
    connect(&client, &IrcClient::namesReply, this,
            [this](const QString& channel, const QList<IrcName>& names) {
                QStringList words = {"namesReply", channel};
                for (const IrcName& name : names)
                    words << name.nick + '(' + name.modes + ')';
                events << words.join(' ');
            });
    connect(&client, &IrcClient::modeChanged, this,
            [this](const QString& channel, const QString& by, const QList<IrcModeChange>& changes) {
                QStringList words = {"modeChanged", channel, by};
                for (const IrcModeChange& c : changes)
                    words << QString(c.adding ? '+' : '-') + c.mode + c.param;
                events << words.join(' ');
            });
}

bool ClientEvents::waitFor(const QString& event, int ms) const {
    return WaitUntil([&] { return events.contains(event); }, ms);
}

QStringList ClientEvents::starting(const QString& start) const {
    QStringList found;
    for (const QString& event : events)
        if (event.startsWith(start)) found << event;
    return found;
}

QString UniqueName(const QString& stem) {
    QString name = stem;
    for (int i = 0; i < 6; ++i)
        name += QChar('a' + QRandomGenerator::global()->bounded(26));
    return name;
}

IrcConnectSettings LocalSettings(quint16 port, const QString& nick) {
    IrcConnectSettings settings;
    settings.host = "127.0.0.1";
    settings.port = port;
    settings.nick = nick;
    return settings;
}

IrcTimings QuickTimings() {
    IrcTimings timings;
    timings.connectTimeoutMs = 5000;
    timings.sendIntervalMs = 0;
    timings.ctcpReplyIntervalMs = 400;
    timings.nickRegainMs = 300;
    timings.closeGraceMs = 500;
    return timings;
}

int FromNetwork(const char* variable) {
    bool ok = false;
    const int value = qEnvironmentVariable(variable).toInt(&ok);
    if (!ok || value <= 0)
        ADD_FAILURE() << variable
                      << " is not set: run the tests with ./test, which starts the IRC test "
                         "network (scripts/test-irc-network) and exports its ports.";
    return ok ? value : 0;
}

OwnNgircd::OwnNgircd() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    port_ = probe.serverPort();
    QFile config(folder_.filePath("ngircd.conf"));
    if (!config.open(QIODevice::WriteOnly)) return;
    config.write(QStringLiteral("[Global]\nName = irc.test\nInfo = Doomed test server\n"
                                "Listen = 127.0.0.1\nPorts = %1\nMotdPhrase = Doomed\n"
                                "AdminInfo1 = Talvane tests\nAdminInfo2 = Loopback\n"
                                "AdminEMail = test@irc.test\n"
                                "[Limits]\nMaxConnectionsIP = 0\nMaxPenaltyTime = 0\n"
                                "[Options]\nDNS = no\nIdent = no\nPAM = no\n")
                     .arg(port_)
                     .toUtf8());
}

OwnNgircd::~OwnNgircd() {
    kill();
}

bool OwnNgircd::start() {
    process_.start("ngircd", {"-n", "-f", folder_.filePath("ngircd.conf")});
    if (!process_.waitForStarted()) {
        ADD_FAILURE() << "ngircd is missing: run scripts/install-deps.";
        return false;
    }
    QTcpSocket probe;
    return WaitUntil([&] {
        if (probe.state() == QAbstractSocket::ConnectedState) return true;
        if (probe.state() == QAbstractSocket::UnconnectedState)
            probe.connectToHost(QHostAddress::LocalHost, port_);
        return false;
    });
}

void OwnNgircd::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished();
}
