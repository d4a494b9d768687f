#include "dialogue_state.h"

#include "brain/dialogue_rows.h"
#include "engine/event_answer.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

#include <algorithm>

namespace {

bool Addressed(const Request& r) {
    return r.Highlighted || r.PrivateInput;
}

void Answer(Engine& engine, const QString& event, bool& handled) {
    AnswerWithEvent(engine, event);
    engine.state.request.Answered = true;
    handled = true;
}

// Following unaddressed messages in the channel may be answered from now on.
void OpenAnswerWindow(Engine& engine, const QString& channel) {
    QList<TLPRecord>& windows = engine.state.publicGate.windows;
    auto window = std::find_if(windows.begin(), windows.end(),
                               [&](const TLPRecord& record) { return record.channel == channel; });
    if (window == windows.end()) {
        windows.append(TLPRecord{channel});
        window = windows.end() - 1;
    }
    const QTime now = engine.out.clock->now().time();
    window->hour = now.hour();
    window->minute = now.minute();
    window->second = now.second();
}

}  // namespace

void CheckTeacherStatus(Engine& engine) {
    Request& r = engine.state.request;
    Query& db = engine.db;
    const QString lead = "A.I. > Users " + r.UserNick;
    DetailLine(engine, "A.I. > Checking users " + r.UserNick + " teacher statuss..");
    std::optional<LastPhraseUserRow> row = ReadLastPhraseUser(db, r.UserKey);
    if (!row) {
        DetailLine(engine, lead + " last statuss: Unknown.");
        DetailLine(engine, lead + " status set as: Normal user.");
        // A channel message that does not address the character leaves no dialogue record.
        if (!Addressed(r)) return;
        db.execute(
            "INSERT INTO lastphrase_user (`user`, `phrase`, `teacher`, `contextual`, "
            "`mmas_question`, `mmas_answer`, `original_question`, `interface_type`) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {r.UserKey, "QUENMARK TALVANE", "NO", "NO", "QUENMARK", "TALVANE", "QUENMARK TALVANE",
             r.InputCategory});
        r.DialogueRowKey = QString::number(db.lastInsertId());
        return;
    }
    r.DialogueRowKey = row->index;
    if (row->teacher != "YES") {
        DetailLine(engine, lead + " last statuss: Normal user.");
        return;
    }
    DetailLine(engine, lead + " last statuss: Teacher.");
    if (r.WorkPhrase.startsWith('#')) {
        DetailLine(engine, lead + " statuss set as: Teacher.");
        return;
    }
    DetailLine(engine, lead + " status set as: Normal user.");
    // Nothing before the cycle's own write of the row reads the flag of an input that teaches
    // nothing, so the reset rides on that write instead of costing one of its own.
    r.TeacherResetDue = true;
}

void HandleEmptyInput(Engine& engine) {
    bool& handled = engine.state.outcomes.EmptyInputAnswered;
    handled = false;
    const Request& r = engine.state.request;
    if (!r.WorkPhrase.isEmpty()) return;
    ConsoleLine(engine, "A.I. > Warning! Empty input string.");
    if (Addressed(r)) Answer(engine, "On Unknown User Input", handled);
}

void HandleHighlight(Engine& engine) {
    EngineState& s = engine.state;
    const Request& r = s.request;
    if (!r.Highlighted || r.WorkPhrase != "HIGHLIGHTED") return;
    Answer(engine, "On A.I. Highlighted", s.outcomes.HighlightAnswered);
    // Only a channel has an answer window; a private message names the character's chat partner.
    if (r.TargetKind == TargetKind::HighlightedChannel && s.settings.answerOnPublicMessages &&
        s.settings.answerOnPmIntelligentMode)
        OpenAnswerWindow(engine, r.ReplyTarget);
}
