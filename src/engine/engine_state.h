#pragma once

#include "request_kinds.h"
#include "settings.h"
#include "stores.h"

#include <QString>

// The input the NLP cycle is working on.
struct Request {
    ::TargetKind TargetKind = ::TargetKind::Local;
    QString UserAddress;
    QString ReplyTarget;
    QString UserNick;
    QString UserKey;
    QString OwnerKey;
    QString RawText;
    QString OriginalPhrase;
    QString WorkPhrase;
    QString PhraseBeforeCorrection;
    bool Highlighted = false;
    bool PrivateInput = false;
    bool HasLink = false;
    QString LinkText;
    QString LinkPrefix;
    bool OwnNickFound = false;
    bool UserNickMentioned = false;
    bool NickRemoved = false;
    bool AdmMatch = false;
    bool DatabaseMatch = false;
    bool AdmExpandAnswered = false;  // "[ADMEXPAND]" was handled
    QString InputCategory = "interface_s";
    QString Daytime;
    QString Personality;
    QString Category = "DEFAULT";
    ::Privilege Privilege = ::Privilege::BasicUser;
    QString PrivilegeHost;          // the host of the users_privileges row found for this input
    bool TemporaryGranted = false;  // temporary moderator status granted or renewed this input
    QString DialogueRowKey;  // the key of the user's lastphrase_user row, once this input met it
    // The teacher flag of that row is to be written back as "NO": with the next write of the row
    // in this cycle, or on its own when the cycle ends.
    bool TeacherResetDue = false;
    QString MatchedQuestion;
    bool Answered = false;
    QString EventName;
    QString OutputPhrase;
};

// Through these a stage tells the cycle what it did. The cycle clears them all when it takes an
// input.
struct Outcomes {
    bool VersionReplied = false;
    bool CommandDone = false;
    ::RepetitionOutcome RepetitionOutcome = ::RepetitionOutcome::None;
    bool HighlightAnswered = false;
    bool EmptyInputAnswered = false;
    bool AnswerOwnerAnswered = false;
    bool TeachingHandled = false;
    bool ErasingHandled = false;
    bool ResponseTaught = false;    // a "#" or "##" command was recognised
    bool ResponseExtended = false;  // it was "##"
    bool StopLonelyAnswered = false;
    bool StopMmasAnswered = false;
    bool ConverterAnswered = false;
};

// What the key-event check found. Its stage clears it when it starts, so a cycle that never
// reaches the check (the version banner) sees what the last check found.
struct KeyEventCheck {
    ::KeyEventOutcome KeyEventOutcome = ::KeyEventOutcome::None;
    bool KeyEventActive = false;
};

// The current time split into text parts without leading zeros, and the two stored forms.
struct ClockParts {
    QString hour, minute, year, month, day;
    QString DateText;  // "yyyy.mm.dd"
    QString TimeText;  // "hh:mm:ss"
};

struct LonelyState {
    bool speaking = false;
    QString userKey;
    QString outputPhrase;
    QString replyTarget;
    TargetKind targetKind = TargetKind::Local;
};

// Row counts of the brain, refreshed at the start of every cycle.
struct BrainCounts {
    qint64 interfaceS = 0, interfaceQ = 0, cmdSynonyms = 0, synonyms = 0, corrections = 0,
           contextWords = 0, positiveWords = 0, negativeWords = 0, caseSensitiveWords = 0,
           systemMessages = 0, lastphraseUser = 0, unsolvedData = 0;
};

// The user's lastphrase_ai counters after this cycle's update.
struct DialogueCounters {
    bool hasRow = false;
    int unanswered = 0, answered = 0, dialogcount = 0, unknowns = 0;
};

// The per-channel memory of "Answer On P.M. (Intelligent Mode)"; a moment is seconds of the day.
struct TLPRecord {
    QString channel;
    int hour = 0, minute = 0, second = 0;
};
// Same fields, another table: the last channel message that reached the gate.
using TLPRecord3 = TLPRecord;
struct TLPRecord2 {
    QString channel;
    QString phrase;
};
struct PublicGateTables {
    // Set by the gate when it refuses a reaction to the current channel message; the gate clears
    // it when it starts.
    bool IntelligentModeRefused = false;
    QList<TLPRecord> windows;    // TLPRecord: start of each channel's answer window
    QList<TLPRecord2> phrases;   // TLPRecord2: phrases already answered per channel
    QList<TLPRecord3> activity;  // TLPRecord3: last message per channel
};

// What the message front end found out about the message it is handling; cleared for every
// message.
struct MessageChecks {
    bool ProtectionActs = false;  // the bot is operator in the channel and the user not exempt
    bool FloodHit = false;
    bool SpamHit = false;
    bool BadContentHit = false;
    bool Highlight = false;  // the message names the character as a word
};

struct EngineState {
    Settings settings;
    Request request;
    Outcomes outcomes;
    KeyEventCheck keyEvents;
    ClockParts clock;
    LonelyState lonely;
    BrainCounts counts;
    Stores stores;
    PublicGateTables publicGate;
    MessageChecks messageChecks;
    bool paused = false;
    bool databaseReady = false;
    qint64 NlpCount = 0;
    int ProcessesRemaining = 0;
    int lastMmasCount = 0;  // MMASStore length as last counted by the delivery
    DialogueCounters dialogue;
    int unknownLevel = 0;  // the user's unknown-answer count after this cycle's counter update
    QString loggedInput;   // the input after conversion, as the NLP log shows it
};
