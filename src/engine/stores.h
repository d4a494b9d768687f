#pragma once

#include "request_kinds.h"

#include <QList>
#include <QString>

#include <array>

// The in-memory work stores. They start empty and live as long as the program.

struct TInput {
    ::TargetKind TargetKind = ::TargetKind::Local;
    QString UserAddress;
    QString ReplyTarget;
    QString UserNick;
    QString RawText;
    QString OriginalPhrase;
    QString UpperPhrase;
    bool Highlighted = false;
};

struct TMMAS {
    QString userKey;
    QString outputPhrase;
    QString replyTarget;
    TargetKind targetKind = TargetKind::Local;
};

struct TLTimers {
    TargetKind targetKind = TargetKind::Local;
    QString replyTarget;
    QString userKey;
    QString lastInputTime;  // "hh:mm:ss"
};

struct TKeyEvents {
    QString userKey;
    QString eventType;    // "CONTEXT"
    bool active = false;  // waits for the user's choice
    QString pendingPhrase;
    QString question;
};

// Per-user memory keyed by the plain nick.
struct TUserVariables {
    QString nick;
    int repetitionCount = 0;
    qint64 ignoreUntil = 0;  // minutes on a continuous clock
    QString linkedContextKeywords;
    QString lastAnswerOwner;
    QString lastAnswer;
    qint64 lastMessageTime = 0;
    int fastMessageCount = 0;
    int floodKicks = 0;
    std::array<QString, 11> recentMessages;
    std::array<qint64, 11> recentMessageTimes{};
    int quickRepeatCount = 0;
    int spamKicks = 0;
    QString lastPhrase;
    int spamRepetitionCount = 0;
    int longMessageCount = 0;
    int longWordMessageCount = 0;
    int capitalsMessageCount = 0;
    int joinFloodKicks = 0;
    qint64 lastJoinTime = 0;
    int fastJoinCount = 0;
    int badNickKicks = 0;
    int badContentCount = 0;
    int badContentKicks = 0;
    int lonelyTalkingCount = 0;
    int historyMinutes = 0;
    QString historyPhrase;
};

// The bot's own status in one channel, as the server last told it.
struct TIsOp {
    QString channel;  // as the server names it
    int op = 0;       // 1 while the bot holds channel-operator status there
    int voice = 0;    // 1 while the bot holds voice there; only the console reports it
};

struct Stores {
    QList<TInput> InputStore;
    QList<TMMAS> MMASStore;
    QList<TLTimers> TimerStore;
    QList<TUserVariables> UserVarStore;
    QList<TKeyEvents> KeyEventsStore;
    // The channel status store: one record a channel, in the order the channels were first seen.
    // A channel without a record counts as not operator.
    QList<TIsOp> IsOpStore;

    // The record of `nick`, appended with all fields empty when there is none.
    TUserVariables& userVariables(const QString& nick);
};
