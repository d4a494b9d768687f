#include "synonym_teaching.h"

#include "command_reply.h"
#include "synonym_data_corrections.h"
#include "synonym_kind.h"

#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/rule_finder.h"
#include "brain/system_patterns.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/event_answer.h"
#include "engine/text_rules.h"

namespace {

enum class Refusal { NotAllowed, Restricted, Limited, Incorrect, Recursive, AlreadyDefined };

CommandReply TeachingRefusal(Refusal refusal, const Request& r, const QString& left) {
    const QString canceled = QStringLiteral("A.I. > Synonym learning canceled.");
    switch (refusal) {
        case Refusal::NotAllowed:
            return {{"A.I. > Synonym learning restricted by owner."},
                    "On Manual Learning - Learning Not Allowed",
                    {canceled},
                    "synonym learning restricted by owner."};
        case Refusal::Restricted:
            return {{"A.I. > Synonym learning restricted for user: " + r.UserNick},
                    "On Manual Learning - Restricted For You",
                    {},
                    "synonym learning restricted for you."};
        case Refusal::Limited:
            return {{"A.I. > Synonym learning limited for user: " + r.UserNick},
                    "On Manual Learning - Limited For You",
                    {},
                    "synonym learning limited for you."};
        case Refusal::Incorrect:
            return {{"A.I. > Incorrect synonym."},
                    "On Manual Learning - Synonym - Incorrect",
                    {canceled},
                    "incorrect synonym."};
        case Refusal::Recursive:
            return {{"A.I. > Synonym can call recursive overflow."},
                    "On Manual Learning - Synonym - Recursive",
                    {canceled},
                    "synonym can call recursive overflow."};
        case Refusal::AlreadyDefined:
            break;
    }
    return {{"A.I. > Synonym for word " + left + " already defined."},
            "On Manual Learning - Synonym - Already Defined",
            {canceled},
            "synonym for word " + left + " already defined."};
}

CommandReply ErasingRefusal(Refusal refusal, const Request& r) {
    switch (refusal) {
        case Refusal::NotAllowed:
            return {{"A.I. > Synonym erasing restricted by owner."},
                    "On Manual Erasing - Erasing Not Allowed",
                    {"A.I. > Synonym erasing canceled."},
                    "synonym erasing restricted by owner."};
        case Refusal::Restricted:
            return {{"A.I. > Synonym erasing restricted for user: " + r.UserNick},
                    "On Manual Erasing - Restricted For You",
                    {},
                    "synonym erasing restricted for you."};
        default:
            break;
    }
    return {{"A.I. > Synonym erasing limited for user: " + r.UserNick},
            "On Manual Erasing - Limited For You",
            {},
            "synonym erasing limited for you."};
}

CommandReply NotFound(SynonymKind kind) {
    switch (kind) {
        case SynonymKind::Command:
            return {{},
                    "On Manual Erasing - Information Not Exist",
                    {},
                    "Synonym is a command synonym."};
        case SynonymKind::Correction:
            return {{"A.I. > Word correction definition does not exist."},
                    "On Manual Erasing - Information Not Exist",
                    {},
                    "word correction definition does not exist."};
        case SynonymKind::Phrase:
        case SynonymKind::Word:
            break;
    }
    return {{"A.I. > Synonym does not exist."},
            "On Manual Erasing - Information Not Exist",
            {},
            "synonym does not exist."};
}

// Who may change definitions: owners, co-owners and super moderators.
std::optional<Refusal> Permission(const Engine& engine, bool allowed) {
    if (!allowed) return Refusal::NotAllowed;
    if (engine.state.request.Privilege == Privilege::BasicUser) return Refusal::Restricted;
    if (engine.state.request.Privilege == Privilege::BasicModerator) return Refusal::Limited;
    return std::nullopt;
}

void RemoveEach(SynonymSides& sides, const QString& characters) {
    for (const QChar c : characters) {
        sides.left.remove(c);
        sides.right.remove(c);
    }
}

void TrimSides(SynonymSides& sides) {
    TrimBlanks(sides.left);
    TrimBlanks(sides.right);
}

bool HasRow(Engine& engine, const QString& table, const QString& where,
            const QVariantList& values) {
    return engine.db.open("SELECT * FROM " + table + " WHERE " + where + " LIMIT 1", values) > 0;
}

void Handled(Engine& engine, bool erasing) {
    (erasing ? engine.state.outcomes.ErasingHandled : engine.state.outcomes.TeachingHandled) = true;
    engine.state.request.Answered = true;
}

// Whether the definition would let the rewriting feed on itself or on a system word.
bool IsRecursive(Engine& engine, const QString& table, const SynonymSides& sides) {
    const QString& left = sides.left;
    const QString& right = sides.right;
    if (IsCommandMarker(left)) return true;
    const QString spelt = BracketsSpelled(left);
    if (MatchesSystemCommand(engine.db, spelt) || MatchesSystemParameter(engine.db, spelt))
        return true;
    return left == right || HasRow(engine, table, "indefinite=?", {right}) ||
           HasRow(engine, table, "definite=?", {left}) ||
           HasRow(engine, table, "indefinite=? AND definite=?", {left, right}) ||
           HasRow(engine, table, "indefinite=? AND definite=?", {right, left});
}

bool HoldsContextMarker(const SynonymSides& sides) {
    for (const QString& marker : {kEarlierQuestionMarker, kContextMarker})
        if (Contains(sides.left, marker) || Contains(sides.right, marker)) return true;
    return false;
}

// Why the checks after the kind is known refuse the definition, if they do.
std::optional<Refusal> Objection(Engine& engine, const QString& table, SynonymSides& sides) {
    if (sides.right != "=") {
        const qsizetype at = sides.right.indexOf('=');
        if (at >= 0) {
            sides.right = sides.right.mid(at + 1);
            while (sides.right.startsWith(' '))
                sides.right.remove(0, 1);
        }
        const bool marker = sides.right == "##" || sides.right == "#";
        if (!marker && (sides.left.size() < 2 || sides.right.size() < 2)) return Refusal::Incorrect;
    }
    // The left side becomes a pattern of the rewriting stages.
    if (HoldsContextMarker(sides) || !PatternCompiles(engine.db, sides.left))
        return Refusal::Incorrect;
    if (IsRecursive(engine, table, sides)) return Refusal::Recursive;
    if (HasRow(engine, table, "indefinite=?", {sides.left})) return Refusal::AlreadyDefined;
    return std::nullopt;
}

}  // namespace

void TeachSynonym(Engine& engine) {
    Request& r = engine.state.request;
    if (r.TargetKind == TargetKind::Channel || !r.WorkPhrase.contains('=')) return;
    const qsizetype at = r.WorkPhrase.indexOf('=');
    SynonymSides sides{r.WorkPhrase.left(at), r.WorkPhrase.mid(at + 1)};
    ConsoleLine(engine, "A.I. > Received synonym learn command.");
    RemoveEach(sides, QStringLiteral("?!.,"));
    const auto refuse = [&](Refusal refusal) {
        EndCommand(engine, TeachingRefusal(refusal, r, sides.left), false);
    };
    if (!IsCommandMarker(sides.right) && (sides.left.size() < 3 || sides.right.size() < 3))
        return refuse(Refusal::Incorrect);
    ReplaceFirst(sides.right, u"smeangteachingcmd", u"=");
    if (const auto refusal = Permission(engine, engine.state.settings.allowDataTeaching))
        return refuse(*refusal);
    TrimSides(sides);
    const std::optional<SynonymKind> kind = ClassifySynonym(engine, "=", true, sides);
    if (!kind) return refuse(Refusal::Incorrect);
    const QString table = SynonymTable(*kind);
    if (const auto refusal = Objection(engine, table, sides)) return refuse(*refusal);

    r.WorkPhrase = sides.left + '=' + sides.right;
    engine.db.execute("INSERT INTO " + table +
                          " (`indefinite`, `definite`, `date_learned`, `time_learned`, `owner`) "
                          "VALUES (?, ?, ?, ?, ?)",
                      {sides.left, sides.right, engine.state.clock.DateText,
                       engine.state.clock.TimeText, r.UserKey});
    const bool correction = *kind == SynonymKind::Correction;
    const QString learned =
        correction ? "learned new word correction definition." : "learned new synonym.";
    ConsoleLine(engine, "A.I. > L" + learned.mid(1));
    TrainingNotice(engine, learned);
    CorrectStoredData(engine, *kind, sides.left, sides.right, CorrectionDirection::Teaching);
    AnswerWithEvent(engine, correction ? "On Manual Learning - Correction - success"
                                       : "On Manual Learning - Synonym - success");
    Handled(engine, false);
}

void EraseSynonym(Engine& engine) {
    Request& r = engine.state.request;
    const QString& phrase = r.WorkPhrase;
    if (r.TargetKind == TargetKind::Channel) return;
    for (const char* teaching : {"<>=<>", "<>==", "<>=<<", "<>=>>", "<>=#", "<>=##"})
        if (phrase == QLatin1String(teaching)) return;
    const qsizetype at = phrase.indexOf(QLatin1String("<>"));
    if (at < 0) return;
    const qsizetype equals = phrase.indexOf('=');
    if (equals >= 0 && !phrase.left(equals).contains(QLatin1String("<>"))) return;

    SynonymSides sides{phrase.left(at), phrase.mid(at + 2)};
    ReplaceFirst(sides.right, u"smeangerasingcmd", u"<>");
    ConsoleLine(engine, "A.I. > Received synonym erase command.");
    RemoveEach(sides, QStringLiteral("?!."));
    if (const auto refusal = Permission(engine, engine.state.settings.allowDataErasing))
        return EndCommand(engine, ErasingRefusal(*refusal, r), true);
    TrimSides(sides);
    const std::optional<SynonymKind> kind = ClassifySynonym(engine, "<>", false, sides);
    if (!kind) return EndCommand(engine, NotFound(SynonymKind::Word), true);
    const bool correction = *kind == SynonymKind::Correction;
    const QString table = SynonymTable(*kind);
    if (*kind != SynonymKind::Command)
        ConsoleLine(engine, correction ? "A.I. > Checking for existing word correction definition.."
                                       : "A.I. > Checking for existing synonym..");
    if (!HasRow(engine, table, "indefinite=? AND definite=?", {sides.left, sides.right}))
        return EndCommand(engine, NotFound(*kind), true);
    if (*kind != SynonymKind::Command)
        ConsoleLine(engine, correction ? "A.I. > Word correction definition found."
                                       : "A.I. > Synonym found.");
    CorrectStoredData(engine, *kind, sides.right, sides.left, CorrectionDirection::Erasing);

    r.WorkPhrase = sides.left + "<>" + sides.right;
    ConsoleLine(engine, correction ? "A.I. > Erasing word correction definition from memory.."
                                   : "A.I. > Erasing synonym from memory..");
    engine.db.execute("DELETE FROM " + table + " WHERE indefinite=? AND definite=?",
                      {sides.left, sides.right});
    const QString done = correction ? "word correction definition erase completed successfully."
                                    : "synonym erase completed successfully.";
    ConsoleLine(engine, "A.I. > " + done.left(1).toUpper() + done.mid(1));
    AnswerWithEvent(engine, correction ? "On Manual Erasing - Correction - success"
                                       : "On Manual Erasing - Synonym - success");
    TrainingNotice(engine, done);
    Handled(engine, true);
}
