#pragma once

#include "irc/irc_client.h"

#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <functional>

// Runs the event loop until `done` holds or `ms` have passed; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000);

// One end of a raw IRC connection that the test drives: it records every line that arrives.
class LinePeer : public QObject {
    Q_OBJECT

  public:
    void send(const QString& line);
    void sendBytes(const QByteArray& bytes);
    // The first line from `from` on (an index into lines) that starts with `start`, or contains
    // it when `start` begins with "*"; waits for it. Empty when none came within `ms`.
    QString waitForLine(const QString& start, int ms = 5000, qsizetype from = 0);
    bool isOpen() const { return socket_ && socket_->state() == QAbstractSocket::ConnectedState; }
    void close();

    QStringList lines;
    QList<QByteArray> rawLines;  // the same lines as bytes, for length checks
    bool answersPings = false;   // with "PONG" and the PING's token

  protected:
    void attach(QTcpSocket* socket);
    QTcpSocket* socket_ = nullptr;

  private:
    void read();
    QByteArray buffer_;
};

// A server of one connection, for client tests that need exact control of what the client reads.
class ScriptedServer : public LinePeer {
    Q_OBJECT

  public:
    ScriptedServer();
    quint16 port() const { return server_.serverPort(); }
    // Waits for the client's connection.
    bool accept(int ms = 5000);
    // Waits for the client's NICK and USER and answers with 001 for `nick`, our mask in its text.
    bool welcome(const QString& nick = "bot", const QString& mask = "~user@127.0.0.1");

  private:
    QTcpServer server_;
};

// A user of a real server, driven line by line; it answers PING by itself.
class ScriptedUser : public LinePeer {
    Q_OBJECT

  public:
    // Connects and registers; returns whether 001 came.
    bool connectTo(quint16 port, const QString& nick);
    QString nick;

    ScriptedUser() { answersPings = true; }
};

// Every signal of a client as one line of text, in the order raised.
class ClientEvents : public QObject {
    Q_OBJECT

  public:
    explicit ClientEvents(IrcClient& client);
    bool waitFor(const QString& event, int ms = 5000) const;
    // The events that start with `start`.
    QStringList starting(const QString& start) const;

    QStringList events;
    QStringList sent;  // lineSent, as shown
};

// A fresh name that no other test process uses at the same time: `stem` and six random letters.
QString UniqueName(const QString& stem);

// Client settings for 127.0.0.1:port as `nick`.
IrcConnectSettings LocalSettings(quint16 port, const QString& nick);

// Intervals short enough for tests, with the send governor switched off.
IrcTimings QuickTimings();

// A number the test network exported (a port, the servers' ping interval); a failure that says
// how to get it when it is missing.
int FromNetwork(const char* variable);

// An ngircd of the test's own on a free port, which the test may kill and start again on the
// same port without disturbing any other test.
class OwnNgircd {
  public:
    OwnNgircd();
    ~OwnNgircd();
    // Starts the server and waits until it accepts connections.
    bool start();
    void kill();
    quint16 port() const { return port_; }

  private:
    QTemporaryDir folder_;
    quint16 port_ = 0;
    QProcess process_;
};
