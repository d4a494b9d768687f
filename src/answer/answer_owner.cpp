#include "answer_owner.h"

#include "brain/dialogue_rows.h"
#include "engine/event_answer.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/engine.h"

namespace {

bool IsCommand(const QString& phrase) {
    return !phrase.startsWith('#') && Contains(phrase, "[ANSWEROWNER]") &&
           !Contains(phrase, "<>") && !Contains(phrase, "=");
}

// The encoded nick of who taught the character's last phrase to the user; empty when nobody
// did: the character has not spoken to him yet, or said something no user taught.
QString TeacherOfLastAnswer(Engine& engine) {
    Query& db = engine.db;
    const std::optional<LastPhraseAiRow> last = ReadLastPhraseAi(db, engine.state.request.UserKey);
    if (!last) return {};
    const QString answer = last->phrase.toUpper();
    if (db.open("SELECT * FROM interface_s WHERE answer=? LIMIT 1", {answer}) > 0) {
        ConsoleLine(engine, "A.I. > Owners nickname: " + db.field("owner"));
        return db.field("owner");
    }
    if (db.open("SELECT * FROM interface_q WHERE answer=? LIMIT 1", {answer}) > 0) {
        ConsoleLine(engine, "A.I. > Answer owners nickname: " + db.field("owner"));
        return db.field("owner");
    }
    return {};
}

QString OwnerEvent(Engine& engine, const QString& owner) {
    const EngineState& s = engine.state;
    const Request& r = s.request;
    if (owner.isEmpty()) {
        ConsoleLine(engine, "A.I. > Can`t get owners nickname for answer.");
        return "On Answer Owner - System Owner";
    }
    if (owner == r.UserKey) return "On Answer Owner - You Owner";
    const bool isOwner = r.UserNick.compare(s.settings.ownersNickname, Qt::CaseInsensitive) == 0;
    if (s.settings.coverTeacherNicknames && !isOwner) return "On Answer Owner - Secret Info";
    return "On Answer Owner - Owner Is";
}

}  // namespace

void AnswerOwner(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    TUserVariables& user = s.stores.userVariables(r.UserNick);
    user.lastAnswerOwner = "Unknown";
    s.outcomes.AnswerOwnerAnswered = false;
    if (!IsCommand(r.WorkPhrase)) return;
    ConsoleLine(engine, "A.I. > Getting owners nickname for answer..");
    const QString teacher = TeacherOfLastAnswer(engine);
    if (!teacher.isEmpty()) user.lastAnswerOwner = teacher;
    AnswerWithEvent(engine, OwnerEvent(engine, teacher));
    r.Answered = true;
    s.outcomes.AnswerOwnerAnswered = true;
}
