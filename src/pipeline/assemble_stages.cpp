#include "assemble_stages.h"

#include "answer/adm_expand.h"
#include "answer/answer_lookup.h"
#include "answer/answer_owner.h"
#include "answer/context_keywords.h"
#include "answer/dialogue_state.h"
#include "answer/interface_index.h"
#include "answer/mood.h"
#include "answer/phrase_rules.h"
#include "answer/public_gate.h"
#include "answer/repetition.h"
#include "commands/chat_commands.h"
#include "engine/engine.h"
#include "engine/stages.h"
#include "irc/irc_online.h"
#include "irc/privileges.h"
#include "normalise/classify.h"
#include "normalise/converter.h"
#include "normalise/letter_folding.h"
#include "normalise/links.h"
#include "normalise/nick_address.h"
#include "normalise/smart_correction.h"
#include "normalise/tokenise.h"
#include "output/delivery.h"
#include "output/event_message.h"
#include "output/lonely_talking.h"
#include "output/prepare_delivery.h"
#include "protection/membership_checks.h"
#include "protection/message_checks.h"
#include "protection/protection_actions.h"
#include "protection/protection_gate.h"
#include "teach/key_events.h"
#include "teach/response_erasing.h"
#include "teach/response_teaching.h"
#include "teach/synonym_teaching.h"
#include "teach/word_lists.h"

#include <memory>

namespace {

// The protections share the bans that wait for the server's word.
void AssembleProtection(Stages& stages) {
    auto bans = std::make_shared<BanLedger>();
    stages.ProtectionGate = ProtectionGate;
    stages.CheckFlood = [bans](Engine& engine) { CheckFlood(engine, *bans); };
    stages.CheckSpam = [bans](Engine& engine) { CheckSpam(engine, *bans); };
    stages.CheckBadContent = [bans](Engine& engine) { CheckBadContent(engine, *bans); };
    stages.CheckJoin = [bans](Engine& engine, const QString& nick, const QString& address,
                              const QString& channel) {
        CheckJoin(engine, *bans, nick, address, channel);
    };
    stages.CheckNickChange = [bans](Engine& engine, const QString& oldNick, const QString& address,
                                    const QString& newNick) {
        return CheckNickChange(engine, *bans, oldNick, address, newNick);
    };
    stages.BanConfirmed = [bans](Engine& engine, const QString& channel, const QString& mask) {
        bans->confirmed(engine, channel, mask);
    };
}

}  // namespace

void AssembleStages(Stages& stages, Delivery& delivery, LonelyTalking& lonely) {
    stages.FoldLatvianInput = FoldLatvianInput;
    stages.IsNickAddressed = IsNickAddressed;
    stages.PrepareEventReply = PrepareEventReply;
    stages.ClassifyDaytime = ClassifyDaytime;
    stages.ClassifyInterface = ClassifyInterface;
    stages.DetectLinks = DetectLinks;
    stages.StripOwnNick = StripOwnNick;
    stages.TokenisePhrase = TokenisePhrase;
    stages.SmartInputCorrection = SmartInputCorrection;
    stages.ToggleConverter = ToggleConverter;
    stages.ResolvePrivilege = ResolvePrivilege;
    stages.DispatchChatCommand = [commands = std::make_shared<ChatCommands>()](Engine& engine) {
        commands->DispatchChatCommand(engine);
    };
    stages.CheckKeyEvents = CheckKeyEvents;
    stages.ApplyContextKeywords = ApplyContextKeywords;
    stages.ApplyCommandSynonyms = ApplyCommandSynonyms;
    stages.ApplyCorrections = ApplyCorrections;
    stages.ApplySynonyms = ApplySynonyms;
    stages.JudgeMood = JudgeMood;
    stages.DetectRepetition = DetectRepetition;
    stages.CheckTeacherStatus = CheckTeacherStatus;
    stages.HandleEmptyInput = HandleEmptyInput;
    stages.HandleHighlight = HandleHighlight;
    stages.AnswerOwner = AnswerOwner;
    stages.EraseSynonym = EraseSynonym;
    stages.TeachSynonym = TeachSynonym;
    stages.TeachResponse = TeachResponse;
    stages.EraseResponse = EraseResponse;
    stages.TeachContextKeywords = TeachContextKeywords;
    stages.EraseContextKeywords = EraseContextKeywords;
    stages.TeachCaseWords = TeachCaseWords;
    stages.EraseCaseWords = EraseCaseWords;
    stages.TeachPositiveWords = TeachPositiveWords;
    stages.TeachNegativeWords = TeachNegativeWords;
    stages.ErasePositiveWords = ErasePositiveWords;
    stages.EraseNegativeWords = EraseNegativeWords;
    stages.ExpandAdmQuestion = ExpandAdmQuestion;
    const auto indexes = std::make_shared<InterfaceIndexes>();
    stages.LookupAnswer = [indexes](Engine& engine) { LookupAnswer(engine, *indexes); };
    stages.PrepareAnswerLookup = [indexes](Engine& engine) {
        PrepareAnswerLookup(engine, *indexes);
    };
    stages.PublicAnswerGate = PublicAnswerGate;
    stages.PrepareEventMessage = PrepareEventMessage;
    stages.PrepareDelivery = PrepareDelivery;
    stages.StartDelivery = [&delivery](Engine&) { delivery.StartDelivery(); };
    stages.StopDelivery = [&delivery](Engine&) { delivery.StopDelivery(); };
    stages.DeliveryPending = [&delivery](const Engine&) { return delivery.pending(); };
    stages.WatchUser = WatchUser;
    stages.StopLonely = StopLonely;
    stages.StartLonelyTimer = [&lonely](Engine&) { lonely.StartLonelyTimer(); };
    stages.UnwatchUser = UnwatchUser;

    AssembleProtection(stages);
    // Without a connection to IRC, the owner's status is given on the local console only.
    stages.OwnerIdentityVerified = [](const Engine&) { return false; };
    stages.OnlineAddressOf = [](const Engine&, const QString&) { return QString(); };
    stages.ChannelNameLimit = [](const Engine&) { return 200; };
}

void AssembleOnlineStages(Stages& stages, IrcOnline& online) {
    stages.OwnerIdentityVerified = [&online](const Engine& engine) {
        return online.OwnerIdentityVerified(engine.state.request.UserNick);
    };
    stages.OnlineAddressOf = [&online](const Engine&, const QString& nick) {
        return online.AddressOf(nick);
    };
    stages.ChannelNameLimit = [&online](const Engine&) { return online.ChannelNameLimit(); };
}
