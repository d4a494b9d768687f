// The user's dialogue counters in lastphrase_ai and the unknown level drawn from them.

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
    if (db.open("SELECT * FROM lastphrase_ai WHERE user=? LIMIT 1", {r.UserKey}) == 0) {
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
        const QString index = db.field("index");
        const QString phrase = db.field("phrase");
        c = DialogueCounters{.hasRow = true,
                             .unanswered = ReadCounter(engine, "unanswered"),
                             .answered = ReadCounter(engine, "answered"),
                             .dialogcount = ReadCounter(engine, "dialogcount"),
                             .unknowns = ReadCounter(engine, "unknowns")};
        if (addressed && !guest) {
            ++c.dialogcount;
            if (r.Answered) {
                ++c.answered;
                c.unknowns = std::max(c.unknowns - 1, 0);
            } else {
                ++c.unanswered;
                c.unknowns = std::min(c.unknowns + 1, kMaxUnknowns);
            }
            db.execute(
                "REPLACE INTO lastphrase_ai (`index`, user, phrase, unanswered, answered, "
                "dialogcount, unknowns) VALUES (?, ?, ?, ?, ?, ?, ?)",
                QVariantList{index, r.UserKey, phrase} + CounterTexts(c));
        }
    }
    engine.state.unknownLevel = c.hasRow ? c.unknowns : 0;
}
