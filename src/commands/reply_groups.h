#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class Engine;

// One line of a reply to the user: a private message, or an action when `action` is set.
struct ReplyLine {
    QString text;
    bool action = false;
};

// Lines that go out together, after a pause since the group before.
struct ReplyGroup {
    int pauseBeforeMs = 0;
    QList<ReplyLine> lines;
};

// Replies of several groups (the help texts, the brain counts, the match counts). The pauses
// between groups are timers, so the cycle goes on with other inputs meanwhile; each line goes
// through the client's send queue. One user gets at most one such reply per 10 seconds, so that
// a storm of "!help" cannot flood the character off the server.
class ReplyPacer {
  public:
    static constexpr qint64 kPerUserMs = 10000;

    // Makes the reply for the current user and sends its first group now and each later one
    // after its pause. When the user had such a reply less than 10 seconds ago nothing is made
    // or sent, and a detailed console line says so.
    void send(Engine& engine, const std::function<QList<ReplyGroup>()>& make);

  private:
    QHash<QString, QDateTime> lastReplyAt_;  // by user key
};
