// What was said last on both sides: the user's input context and the character's output.

#include "brain/query.h"
#include "brain/stored_patterns.h"
#include "console_log.h"
#include "dialogue_records.h"
#include "engine.h"
#include "text_rules.h"

namespace {

void NotSaved(Engine& engine, const QString& reason) {
    ConsoleLine(engine, reason);
    ConsoleLine(engine, "A.I. > Input context will not be saved.");
}

// The phrase itself when it is one of the reserved command words, else nothing.
QString CommandQuestion(Query& db, const QString& phrase) {
    QString bracketsReplaced = phrase;
    ApplyInOrder(bracketsReplaced, {{u"[", u"XX"}, {u"]", u"YY"}});
    return StoredWordMayEqual(db, "system_commands", "command", bracketsReplaced) &&
                   db.open("SELECT * FROM system_commands WHERE ? = UPPER(command) LIMIT 1",
                           {bracketsReplaced}) > 0
               ? phrase
               : QString();
}

}  // namespace

// CHAR_LENGTH, not "= ''": a comparison with '' ignores trailing blanks, and a flag of blanks is
// kept as it is.
QString OrNoColumn(const QString& column) {
    return "IF(CHAR_LENGTH(" + column + ") = 0, 'NO', " + column + ")";
}

namespace {

// The first value of the INSERT that adds the user's row or rewrites the one he has: the key
// this input met, or the server's lookup where it met none (a lookup of the table being written
// makes the server copy what it read before it writes).
std::pair<QString, QVariant> DialogueRowKey(const Request& r) {
    if (!r.DialogueRowKey.isEmpty()) return {"?", r.DialogueRowKey};
    return {"(SELECT `index` FROM lastphrase_user WHERE user=? LIMIT 1)", r.UserKey};
}

}  // namespace

void WriteDialogueRow(Query& db, Request& r, const QString& values, const QVariantList& valueParams,
                      QString assignments, const QVariantList& assignmentParams) {
    assignments += ", `teacher`=" + (r.TeacherResetDue ? "'NO'" : OrNoColumn("`teacher`"));
    // An UPDATE by key costs the server a quarter less than the INSERT ... ON DUPLICATE KEY
    // UPDATE. It changes no row when the row is gone (another program cleared the table) or
    // holds these values already; the INSERT then adds the row or leaves it as it is.
    const bool updated =
        !r.DialogueRowKey.isEmpty() &&
        db.execute("UPDATE lastphrase_user SET " + assignments + " WHERE `index`=?",
                   assignmentParams + QVariantList{r.DialogueRowKey}) > 0;
    if (!updated) {
        const auto [key, keyValue] = DialogueRowKey(r);
        db.execute(
            "INSERT INTO lastphrase_user (`index`, `user`, `phrase`, `teacher`, `contextual`, "
            "`mmas_question`, `mmas_answer`, `original_question`, `interface_type`) SELECT " +
                key + ", " + values + " ON DUPLICATE KEY UPDATE " + assignments,
            QVariantList{keyValue} + valueParams + assignmentParams);
    }
    // Only once written: a reset that failed is tried again at the cycle's end.
    r.TeacherResetDue = false;
}

void WriteDueTeacherReset(Engine& engine) {
    Request& r = engine.state.request;
    if (!r.TeacherResetDue) return;
    // Only the flags change: rewriting the whole row with its long texts costs the server more.
    engine.db.execute("UPDATE lastphrase_user SET `user`=?, `teacher`='NO', `contextual`=" +
                          OrNoColumn("`contextual`") + " WHERE `index`=?",
                      {r.UserKey, r.DialogueRowKey});
    r.TeacherResetDue = false;
}

void SaveInputContext(Engine& engine) {
    Request& r = engine.state.request;
    ConsoleLine(engine, "A.I. > Saving users " + r.UserNick + " input context..");
    if (!r.Highlighted && !r.PrivateInput)
        return NotSaved(engine, "A.I. > Input is not meant for Q.I.V.O™.");
    QString& work = r.WorkPhrase;
    if (work.startsWith('%')) work.remove(0, 1);
    if (work.endsWith('%')) work.chop(1);
    work.replace('%', ' ');
    if (work.isEmpty()) return NotSaved(engine, "A.I. > Incorrect input.");
    if (work.startsWith('#')) return NotSaved(engine, "A.I. > Input is a teach phrase.");

    const QString phrase = work.toUpper();
    // Adds the user's first record or rewrites his phrase on the one he has, keeping the
    // teaching columns ("NO" for an empty flag).
    const QString commandQuestion = CommandQuestion(engine.db, phrase);
    WriteDialogueRow(engine.db, r, "?, ?, 'NO', 'NO', 'QUENMARK', 'TALVANE', 'QUENMARK TALVANE', ?",
                     {r.UserKey, phrase, r.InputCategory},
                     "`user`=?, `phrase`=?, `contextual`=" + OrNoColumn("`contextual`") +
                         ", `original_question`=?, `interface_type`=?",
                     {r.UserKey, phrase, commandQuestion, r.InputCategory});
    ConsoleLine(engine, "A.I. > Saved users " + r.UserNick + " input context.");
}

void SaveOutputContext(Engine& engine, const QString& userKey, QString phrase,
                       OutputContextForm form) {
    const QString name = form == OutputContextForm::Basic ? "basic" : "MMAS";
    phrase.remove('"');
    ApplyInOrder(phrase, {{u"  ?", u"?"}, {u" ?", u"?"}});
    DetailLine(engine, "A.I. > Saving " + name + " output context..");
    // One statement either adds the user's first record or rewrites the phrase on the one he
    // has, keeping his counters.
    engine.db.execute(
        "INSERT INTO lastphrase_ai (`index`, user, phrase, unanswered, answered, dialogcount, "
        "unknowns) SELECT (SELECT `index` FROM lastphrase_ai WHERE user=? LIMIT 1), ?, ?, '0', "
        "'0', '0', '0' ON DUPLICATE KEY UPDATE user=VALUES(user), phrase=VALUES(phrase)",
        {userKey, userKey, phrase});
    DetailLine(engine, "A.I. > Saved " + name + " output context.");
}
