#include "adm_expand.h"

#include "brain/interface_table.h"
#include "engine/event_answer.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

void ExpandAdmQuestion(Engine& engine) {
    Request& r = engine.state.request;
    r.AdmExpandAnswered = false;
    if (r.WorkPhrase.startsWith('#') || !Contains(r.WorkPhrase, "[ADMEXPAND]")) return;
    QString question = r.WorkPhrase;
    ReplaceAll(question, u"[ADMEXPAND]", u"");
    if (question.startsWith(' ')) question.remove(0, 1);
    if (question.endsWith(' ')) question.chop(1);
    ConsoleLine(engine, "A.I. > Received ADM question expand command.");
    // The question keeps its blanks, so only the pattern of a one-word question can match.
    const QString table = InterfaceTable(r.InputCategory);
    const QString from = '%' + question + '%', to = "%%" + question + "%%";
    const qint64 updated = engine.db.questionChanges().record(table, [&](QuestionChange& change) {
        Query& db = engine.db;
        db.open("SELECT `index` FROM " + table + " WHERE question = ?", {from});
        for (db.first(); !db.eof(); db.next())
            change.keys << db.field("index").toUInt();
        change.question = to;
        return db.execute("UPDATE " + table + " SET question = ? WHERE question = ?", {to, from});
    });
    r.AdmExpandAnswered = true;
    r.Answered = true;
    AnswerWithEvent(engine, updated > 0 ? "On ADM - Expand Question" : "On ADM - Expand Error");
}
