#pragma once

#include <functional>

class Engine;
class QString;

// A stage reads and rewrites the engine state and reports through its outcome flags.
using Stage = std::function<void(Engine&)>;

// The stages that the cycle calls but that belong to the subsystems above the engine. Each one
// that is not filled in handles nothing and sets no outcome.
struct Stages {
    // classification and normalisation
    Stage ClassifyDaytime, ClassifyInterface, DetectLinks, StripOwnNick, TokenisePhrase,
        SmartInputCorrection, ToggleConverter;
    // privileges and !commands
    Stage ResolvePrivilege, DispatchChatCommand;
    // understanding
    Stage CheckKeyEvents, ApplyContextKeywords, ApplyCommandSynonyms, ApplyCorrections,
        ApplySynonyms, JudgeMood, DetectRepetition, CheckTeacherStatus, HandleEmptyInput,
        HandleHighlight, AnswerOwner;
    // teaching and erasing
    Stage EraseSynonym, TeachSynonym, TeachResponse, EraseResponse, TeachContextKeywords,
        EraseContextKeywords, TeachCaseWords, EraseCaseWords, TeachPositiveWords,
        TeachNegativeWords, ErasePositiveWords, EraseNegativeWords;
    // commands and answer lookup
    Stage StopLonely, StopDelivery, ExpandAdmQuestion, LookupAnswer, PublicAnswerGate;
    // output
    Stage PrepareEventMessage, PrepareDelivery, StartDelivery, WatchUser, StartLonelyTimer;
    // Whether answer lines are still waiting to be sent.
    std::function<bool(const Engine&)> DeliveryPending;
    // Removes the user's entry from the Lonely Talking timer list.
    std::function<void(Engine&, const QString& userKey)> UnwatchUser;
    // Whether the current remote user is proven to be the owner (not just using the owner's
    // nick); until it is filled in, the owner's status is given on the local console only.
    std::function<bool(const Engine&)> OwnerIdentityVerified;
};

// Calls the stage when it is filled in.
inline void Run(const Stage& stage, Engine& engine) {
    if (stage) stage(engine);
}
