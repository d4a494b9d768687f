#pragma once

#include <QString>

struct CommandCall;

// "!SET COWNER" and its kin: the status word written, and what the owner and the user are told.
struct StatusChange {
    QString type;        // "COOWNER"
    QString replyTail;   // after "User " + nick
    QString noticeText;  // to the nick
};

// Gives the user whom the nick names, at the address the nick is online from, a new status.
bool SetStatus(const CommandCall& call, const StatusChange& change);
// "!INCOGNITO ADD" (`incognito`) and "!INCOGNITO REM": the same row, its status kept.
bool SetIncognito(const CommandCall& call, bool incognito);
