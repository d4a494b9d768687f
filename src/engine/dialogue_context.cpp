// What was said last on both sides: the user's input context and the character's output.

#include "brain/query.h"
#include "console_log.h"
#include "dialogue_records.h"
#include "engine.h"
#include "text_rules.h"

namespace {

void NotSaved(Engine& engine, const QString& reason) {
    ConsoleLine(engine, reason);
    ConsoleLine(engine, "A.I. > Input context will not be saved.");
}

QString OrNo(const QString& flag) {
    return flag.isEmpty() ? QStringLiteral("NO") : flag;
}

// The phrase itself when it is one of the reserved command words, else nothing.
QString CommandQuestion(Query& db, const QString& phrase) {
    QString bracketsReplaced = phrase;
    ApplyInOrder(bracketsReplaced, {{u"[", u"XX"}, {u"]", u"YY"}});
    return db.open("SELECT * FROM system_commands WHERE ? = UPPER(command) LIMIT 1",
                   {bracketsReplaced}) > 0
               ? phrase
               : QString();
}

}  // namespace

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
    Query& db = engine.db;
    if (db.open("SELECT * FROM lastphrase_user WHERE user=? LIMIT 1", {r.UserKey}) == 0) {
        db.execute(
            "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
            "mmas_answer, original_question, interface_type) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {r.UserKey, phrase, "NO", "NO", "QUENMARK", "TALVANE", "QUENMARK TALVANE",
             r.InputCategory});
    } else {
        const QVariantList kept = {db.field("index"),
                                   r.UserKey,
                                   phrase,
                                   OrNo(db.field("teacher")),
                                   OrNo(db.field("contextual")),
                                   db.field("mmas_question"),
                                   db.field("mmas_answer")};
        db.execute(
            "REPLACE INTO lastphrase_user (`index`, user, phrase, teacher, contextual, "
            "mmas_question, mmas_answer, original_question, interface_type) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
            kept + QVariantList{CommandQuestion(db, phrase), r.InputCategory});
    }
    ConsoleLine(engine, "A.I. > Saved users " + r.UserNick + " input context.");
}

void SaveOutputContext(Engine& engine, const QString& userKey, QString phrase,
                       OutputContextForm form) {
    const QString name = form == OutputContextForm::Basic ? "basic" : "MMAS";
    phrase.remove('"');
    ApplyInOrder(phrase, {{u"  ?", u"?"}, {u" ?", u"?"}});
    DetailLine(engine, "A.I. > Saving " + name + " output context..");
    Query& db = engine.db;
    if (db.open("SELECT * FROM lastphrase_ai WHERE user=? LIMIT 1", {userKey}) == 0) {
        db.execute(
            "INSERT INTO lastphrase_ai (user, phrase, unanswered, answered, dialogcount, "
            "unknowns) VALUES (?, ?, ?, ?, ?, ?)",
            {userKey, phrase, "0", "0", "0", "0"});
    } else {
        db.execute(
            "REPLACE INTO lastphrase_ai (`index`, user, phrase, unanswered, answered, "
            "dialogcount, unknowns) VALUES (?, ?, ?, ?, ?, ?, ?)",
            {db.field("index"), userKey, phrase, db.field("unanswered"), db.field("answered"),
             db.field("dialogcount"), db.field("unknowns")});
    }
    DetailLine(engine, "A.I. > Saved " + name + " output context.");
}
