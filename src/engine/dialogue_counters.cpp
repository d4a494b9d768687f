// The user's dialogue counters in lastphrase_ai and the unknown level drawn from them.

#include "brain/dialogue_rows.h"
#include "brain/query.h"
#include "dialogue_records.h"
#include "engine.h"

#include <algorithm>

namespace {

constexpr int kMaxUnknowns = 7;

// Guests come and go under throwaway nicks; counting them would only fill the brain.
bool IsGuest(const QString& userKey) {
    const QString key = userKey.toUpper();
    return key.contains("GUEST") || key.contains("VIESIS");
}

QVariantList CounterTexts(const DialogueCounters& c) {
    return {QString::number(c.unanswered), QString::number(c.answered),
            QString::number(c.dialogcount), QString::number(c.unknowns)};
}

}  // namespace

void UpdateDialogueCounters(Engine& engine) {
    const Request& r = engine.state.request;
    DialogueCounters& c = engine.state.dialogue;
    const bool addressed = r.PrivateInput || r.Highlighted;
    const bool guest = IsGuest(r.UserKey);
    Query& db = engine.db;
    const std::optional<LastPhraseAiRow> row = ReadLastPhraseAi(db, r.UserKey);
    if (!row) {
        if (guest) {
            c = DialogueCounters{};
        } else if (r.Answered) {
            c = DialogueCounters{.unanswered = 0, .answered = 1, .dialogcount = 1, .unknowns = 0};
        } else {
            c = DialogueCounters{.unanswered = 1, .answered = 0, .dialogcount = 1, .unknowns = 1};
        }
        c.hasRow = addressed;
        if (addressed)
            db.execute(
                "INSERT INTO lastphrase_ai (user, phrase, unanswered, answered, dialogcount, "
                "unknowns) VALUES (?, ?, ?, ?, ?, ?)",
                QVariantList{r.UserKey, "QUENMARK TALVANE"} + CounterTexts(c));
    } else {
        c = DialogueCounters{.hasRow = true,
                             .unanswered = ReadCounter(engine, "unanswered", row->unanswered),
                             .answered = ReadCounter(engine, "answered", row->answered),
                             .dialogcount = ReadCounter(engine, "dialogcount", row->dialogcount),
                             .unknowns = ReadCounter(engine, "unknowns", row->unknowns)};
        if (addressed && !guest) {
            ++c.dialogcount;
            if (r.Answered) {
                ++c.answered;
                c.unknowns = std::max(c.unknowns - 1, 0);
            } else {
                ++c.unanswered;
                c.unknowns = std::min(c.unknowns + 1, kMaxUnknowns);
            }
            // Only the counters change: rewriting the row's phrase costs the server more.
            db.execute(
                "UPDATE lastphrase_ai SET user=?, unanswered=?, answered=?, dialogcount=?, "
                "unknowns=? WHERE `index`=?",
                QVariantList{r.UserKey} + CounterTexts(c) + QVariantList{row->index});
        }
    }
    engine.state.unknownLevel = c.hasRow ? c.unknowns : 0;
}
