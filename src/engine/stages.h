#pragma once

#include <QString>

#include <functional>
#include <vector>

class Engine;

// Every stage the message front end and the cycle call, in the order a message first reaches it.
// The subsystems above the engine fill the slots; the names are what the console and the cycle
// trace show.
// clang-format off
#define TALVANE_STAGES(X)                  \
    /* the message front end */            \
    X(ProtectionGate)                      \
    X(CheckFlood)                          \
    X(CheckSpam)                           \
    X(CheckBadContent)                     \
    X(FoldLatvianInput)                    \
    /* before the input is understood */   \
    X(ClassifyDaytime)                     \
    X(ResolvePrivilege)                    \
    X(WatchUser)                           \
    X(DispatchChatCommand)                 \
    /* classification and normalisation */ \
    X(ClassifyInterface)                   \
    X(DetectLinks)                         \
    X(StripOwnNick)                        \
    X(TokenisePhrase)                      \
    X(SmartInputCorrection)                \
    /* understanding */                    \
    X(CheckKeyEvents)                      \
    X(ApplyContextKeywords)                \
    X(ApplyCommandSynonyms)                \
    X(ApplyCorrections)                    \
    X(ApplySynonyms)                       \
    X(JudgeMood)                           \
    X(DetectRepetition)                    \
    X(CheckTeacherStatus)                  \
    X(HandleEmptyInput)                    \
    X(HandleHighlight)                     \
    X(AnswerOwner)                         \
    /* teaching and erasing */             \
    X(EraseSynonym)                        \
    X(TeachSynonym)                        \
    X(TeachResponse)                       \
    X(EraseResponse)                       \
    X(TeachContextKeywords)                \
    X(EraseContextKeywords)                \
    X(TeachCaseWords)                      \
    X(EraseCaseWords)                      \
    X(TeachPositiveWords)                  \
    X(TeachNegativeWords)                  \
    X(ErasePositiveWords)                  \
    X(EraseNegativeWords)                  \
    /* commands and the answer lookup */   \
    X(StopLonely)                          \
    X(StopDelivery)                        \
    X(ToggleConverter)                     \
    X(ExpandAdmQuestion)                   \
    X(LookupAnswer)                        \
    X(PublicAnswerGate)                    \
    /* output */                           \
    X(PrepareEventMessage)                 \
    X(PrepareDelivery)                     \
    X(StartDelivery)                       \
    X(StartLonelyTimer)
// clang-format on

// A named slot of the cycle. A stage reads and rewrites the engine state and reports through its
// outcome flags.
class Stage {
  public:
    using Body = std::function<void(Engine&)>;

    explicit Stage(const char* name) : name_(name) {}
    Stage(const Stage&) = default;
    Stage& operator=(const Stage&) = delete;
    // Fills the slot; the name stays.
    Stage& operator=(Body body) {
        body_ = std::move(body);
        return *this;
    }

    const char* name() const { return name_; }
    bool filled() const { return bool(body_); }
    void call(Engine& engine) const;

  private:
    const char* name_;
    Body body_;
};

struct Stages {
#define TALVANE_STAGE_SLOT(name) Stage name{#name};
    TALVANE_STAGES(TALVANE_STAGE_SLOT)
#undef TALVANE_STAGE_SLOT

    // The calls beside the stages: they run outside the cycle's order, answer a question or take
    // an argument beside the engine.
    // Builds the answer lookup's copies of the stored questions, so that the first input after
    // the start does not wait for them (a second at a million rows).
    std::function<void(Engine&)> PrepareAnswerLookup;
    // Whether answer lines are still waiting to be sent.
    std::function<bool(const Engine&)> DeliveryPending;
    // Removes the user's entry from the Lonely Talking timer list.
    std::function<void(Engine&, const QString& userKey)> UnwatchUser;
    // Whether the current remote user is proven to be the owner, not just using the owner's nick.
    std::function<bool(const Engine&)> OwnerIdentityVerified;
    // The address ("ident@host") `nick` is online from now; empty when the nick is not online or
    // its address is not known.
    std::function<QString(const Engine&, const QString& nick)> OnlineAddressOf;
    // The longest channel name the server takes.
    std::function<int(const Engine&)> ChannelNameLimit;
    // Whether `nick` stands in `message` as a word of its own.
    std::function<bool(const QString& message, const QString& nick)> IsNickAddressed;
    // An event message as a finished one-line text for `addressee`: a quit message, a kick reason.
    std::function<QString(Engine&, const QString& eventName, const QString& addressee)>
        PrepareEventReply;
    // The membership handlers' protections: user `nick` at `address` joined `channel`; a user at
    // `address` changed nick from `oldNick` to `newNick`, which answers whether it kicked the user.
    std::function<void(Engine&, const QString& nick, const QString& address,
                       const QString& channel)>
        CheckJoin;
    std::function<bool(Engine&, const QString& oldNick, const QString& address,
                       const QString& newNick)>
        CheckNickChange;
    // The server shows a ban of ours set on `channel`.
    std::function<void(Engine&, const QString& channel, const QString& mask)> BanConfirmed;

    // Every stage slot, in the order of the table.
    std::vector<Stage*> all();
    // Whether every stage slot and every call above is filled.
    bool complete();
};

// Runs the stage; with the logging category "talvane.cycle" switched on (QT_LOGGING_RULES=
// "talvane.cycle.debug=true") it also traces the stage's name and the phrase before and after.
// A slot nobody filled is a fault of the assembly and ends the input with an error.
void Run(const Stage& stage, Engine& engine);

// The body of a stage that is not built yet: it handles nothing, sets no outcome and says so in a
// detailed console line.
Stage::Body NotBuiltYet(const QString& name);
