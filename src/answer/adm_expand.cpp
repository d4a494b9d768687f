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
    const qint64 updated = engine.db.execute(
        "UPDATE " + InterfaceTable(r.InputCategory) + " SET question = ? WHERE question = ?",
        {"%%" + question + "%%", '%' + question + '%'});
    r.AdmExpandAnswered = true;
    r.Answered = true;
    AnswerWithEvent(engine, updated > 0 ? "On ADM - Expand Question" : "On ADM - Expand Error");
}
