#include "word_list_command.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

QString Capitalised(const QString& text) {
    return text.left(1).toUpper() + text.mid(1);
}

// Whether the user may change word lists at all; the refusal when not.
std::optional<CommandReply> Refusal(Engine& engine, const WordListCommand& command) {
    const EngineState& s = engine.state;
    const QString verb = command.erasing ? "erasing" : "learning";
    const QString family = command.erasing ? "On Manual Erasing - " : "On Manual Learning - ";
    const QString lead = "A.I. > " + Capitalised(command.noun) + ' ' + verb;
    const QString notice = command.noun + ' ' + verb;
    if (!(command.erasing ? s.settings.allowDataErasing : s.settings.allowDataTeaching))
        return CommandReply{
            {lead + " restricted by owner."},
            family + (command.erasing ? "Erasing Not Allowed" : "Learning Not Allowed"),
            {lead + " canceled."},
            notice + " restricted by owner."};
    // Only owners, co-owners and super moderators change word lists.
    const Privilege privilege = s.request.Privilege;
    if (privilege == Privilege::BasicUser)
        return CommandReply{{lead + " restricted for user: " + s.request.UserNick},
                            family + "Restricted For You",
                            {},
                            notice + " restricted for you."};
    if (privilege == Privilege::BasicModerator)
        return CommandReply{{lead + " limited for user: " + s.request.UserNick},
                            family + "Limited For You",
                            {},
                            notice + " limited for you."};
    return std::nullopt;
}

void Teach(Engine& engine, const WordListCommand& command, const WordListEntry& entry,
           bool exists) {
    const QString noun = command.noun;
    if (exists)
        return EndCommand(engine,
                          {{"A.I. > " + Capitalised(noun) + " already exist."},
                           "On Manual Learning - Information Exist",
                           {},
                           noun + " already exist."},
                          false);
    const EngineState& s = engine.state;
    engine.db.execute(QStringLiteral("INSERT INTO %1 (`%2`, `date_learned`, `time_learned`, "
                                     "`owner`) VALUES (?, ?, ?, ?)")
                          .arg(entry.table, entry.column),
                      {entry.value, s.clock.DateText, s.clock.TimeText, s.request.UserKey});
    EndCommand(engine,
               {{"A.I. > Learned new " + noun + "."},
                command.successEvent,
                {},
                command.learnedNotice ? command.learnedNotice(entry) : "learned new " + noun + "."},
               false);
}

void Erase(Engine& engine, const WordListCommand& command, const WordListEntry& entry,
           bool exists) {
    const QString noun = command.noun;
    const QString capitalised = Capitalised(noun);
    if (!exists)
        return EndCommand(engine,
                          {{"A.I. > " + capitalised + " does not exist."},
                           "On Manual Erasing - Information Not Exist",
                           {},
                           noun + " does not exist."},
                          true);
    ConsoleLine(engine, "A.I. > " + capitalised + " found.");
    ConsoleLine(engine, "A.I. > Erasing " + noun + " from memory..");
    if (command.beforeDelete && command.beforeDelete(engine, entry)) return;
    engine.db.execute(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(entry.table, entry.column),
                      {entry.value});
    if (command.afterDelete) command.afterDelete(engine, entry);
    EndCommand(engine,
               {{"A.I. > " + capitalised + " erase completed successfully."},
                command.successEvent,
                {},
                noun + " erase completed successfully."},
               true);
}

}  // namespace

void RunWordListCommand(Engine& engine, const WordListCommand& command) {
    const Request& r = engine.state.request;
    if (r.TargetKind == TargetKind::Channel || !Contains(r.WorkPhrase, command.token)) return;
    QString rest = r.WorkPhrase;
    RemoveIgnoringCase(rest, command.token);
    const std::optional<WordListEntry> entry = command.entry(engine, rest);
    if (!entry) return;
    ConsoleLine(engine, "A.I. > Received " + command.noun +
                            (command.erasing ? " erase command." : " learn command."));
    std::optional<CommandReply> refusal = Refusal(engine, command);
    if (!refusal && command.refusal) refusal = command.refusal(engine, *entry);
    if (refusal) return EndCommand(engine, *refusal, command.erasing);

    const bool exists =
        engine.db.open(
            QStringLiteral("SELECT * FROM %1 WHERE %2=? LIMIT 1").arg(entry->table, entry->column),
            {entry->value}) > 0;
    if (command.erasing) return Erase(engine, command, *entry, exists);
    Teach(engine, command, *entry, exists);
}
