#include "chat_commands.h"

#include "bad_content_commands.h"
#include "channel_commands.h"
#include "command_call.h"
#include "engine/engine.h"
#include "help_texts.h"
#include "overload.h"
#include "status_commands.h"
#include "user_commands.h"

#include <functional>
#include <vector>

namespace {

// How a command is found in the message: as the whole message, anywhere in the message as
// received, or anywhere in the upper-cased phrase.
enum class Recognition { Exact, InRaw, InPhrase };

// Who may use it: everyone; the owner or a co-owner speaking from the address of their row; of
// those only the owner.
enum class Who { Anyone, Owners, Owner };

struct ChatCommand {
    QString text;
    Recognition how;
    Who who;
    std::function<bool(const CommandCall&)> run;
};

bool Help(const CommandCall& call) {
    call.pacer.send(call.e,
                    [&] { return HelpText(call.command, call.e.state.settings.HomepageText); });
    return true;
}

std::function<bool(const CommandCall&)> Status(const StatusChange& change) {
    return [change](const CommandCall& call) { return SetStatus(call, change); };
}

// Every command, in the order the dispatch tests them.
const std::vector<ChatCommand>& Commands() {
    using enum Recognition;
    using enum Who;
    static const std::vector<ChatCommand> commands = [] {
        std::vector<ChatCommand> all;
        for (const QString& help : HelpCommands())
            all.push_back({help, Exact, Anyone, Help});
        const std::vector<ChatCommand> rest = {
            {"!HELLO QIVO", Exact, Anyone, HelloQivo},
            {"!SET COWNER", InRaw, Owners,
             Status({"COOWNER", " is now set as Q.I.V.O™ co-owner!",
                     "Your status is now set as Q.I.V.O™ co-owner!"})},
            {"!SET SMODERATOR", InRaw, Owners,
             Status({"SUPER MODERATOR", " is now set as Q.I.V.O™ super moderator!",
                     "Your status is now set as a Q.I.V.O™ super moderator!"})},
            {"!SET BMODERATOR", InRaw, Owners,
             Status({"BASIC MODERATOR", " is now set as a Q.I.V.O™ basic moderator!",
                     "Your status is now set as a Q.I.V.O™ basic moderator!"})},
            {"!SET BUSER", InRaw, Owners,
             Status({"BASIC USER", " is now set as Q.I.V.O™ basic user!",
                     "Your status is now set as a Q.I.V.O™ basic user!"})},
            {"!SET IGNORED", InRaw, Owners,
             Status({"IGNORED", " is now set as ignored for Q.I.V.O™!",
                     "Your status is now set as ignored for Q.I.V.O™!"})},
            {"!MY STATUS", Exact, Anyone, MyStatus},
            {"!STATUS OF", InRaw, Anyone, StatusOf},
            {"!WHO IS OWNER", Exact, Anyone, WhoIsOwner},
            {"!BRAIN INFO", Exact, Anyone, BrainInfo},
            {"!PART ALL", InPhrase, Owners, PartAll},
            {"!BC REM", InRaw, Owners, RemoveBadContent},
            {"!BC ADD", InRaw, Owners, AddBadContent},
            {"!INCOGNITO ADD", InRaw, Owners,
             [](const CommandCall& c) { return SetIncognito(c, true); }},
            {"!INCOGNITO REM", InRaw, Owners,
             [](const CommandCall& c) { return SetIncognito(c, false); }},
            {"!PART", InRaw, Owners, PartOne},
            {"!JOIN", InRaw, Owners, JoinOne},
            {"!QMATCHES", InPhrase, Anyone, QueryMatches},
            {"!RMATCHES", InPhrase, Anyone, ResponseMatches},
            {"!TM ON", Exact, Anyone, TrainingModeOn},
            {"!TM OFF", Exact, Anyone, TrainingModeOff},
            {"!LAST PHRASE", InPhrase, Anyone, LastPhrase},
            {"!TEACHED", InPhrase, Anyone, Teached},
            {"!ERASED", InPhrase, Anyone, Erased},
            {"!OVERLOAD INTERFACE", InPhrase, Owner, OverloadInterface},
            {"!OVERLOAD SYNONYMS", InPhrase, Owner, OverloadSynonyms},
        };
        all.insert(all.end(), rest.begin(), rest.end());
        return all;
    }();
    return commands;
}

// The message upper-cased once for all the commands it is held against; their texts are upper
// case already.
struct UpperMessage {
    QString phrase, raw;
};

// Where the command stands in the message (0-based), or -1 when the message holds none.
qsizetype Position(const UpperMessage& message, const ChatCommand& command) {
    switch (command.how) {
        case Recognition::Exact:
            return message.phrase == command.text ? 0 : -1;
        case Recognition::InRaw:
            return message.raw.indexOf(command.text);
        case Recognition::InPhrase:
            return message.phrase.indexOf(command.text);
    }
    return -1;
}

// The owner's nick counts only once the server vouched for it (the privilege stage saw to that):
// on IRC a nick alone proves nothing.
bool Allowed(const Engine& e, Who who) {
    const Request& r = e.state.request;
    const bool owners = r.Privilege == Privilege::Owner && r.UserAddress == r.PrivilegeHost;
    switch (who) {
        case Who::Anyone:
            return true;
        case Who::Owners:
            return owners;
        case Who::Owner:
            return owners && r.UserNick == e.state.settings.ownersNickname;
    }
    return false;
}

}  // namespace

void ChatCommands::DispatchChatCommand(Engine& engine) {
    const Request& r = engine.state.request;
    if (r.TargetKind == TargetKind::Local) return;
    const UpperMessage message{r.WorkPhrase.toUpper(), r.RawText.toUpper()};
    for (const ChatCommand& command : Commands()) {
        const qsizetype at = Position(message, command);
        if (at < 0 || !Allowed(engine, command.who)) continue;
        engine.state.outcomes.CommandDone = command.run({engine, command.text, at, pacer_});
        return;
    }
}
