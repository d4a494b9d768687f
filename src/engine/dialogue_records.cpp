#include "dialogue_records.h"

#include "brain/query.h"
#include "console_log.h"
#include "engine.h"

int ReadCounter(Engine& engine, const QString& column) {
    return ReadCounter(engine, column, engine.db.field(column));
}

int ReadCounter(Engine& engine, const QString& column, const QString& text) {
    if (text.isEmpty()) return 0;
    bool number = false;
    const int value = text.toInt(&number);
    if (number) return value;
    DetailLine(engine, "A.I. > Counter " + column + " of user " + engine.state.request.UserNick +
                           " is not a number: \"" + text + "\". Counted as 0.");
    return 0;
}

qint64 ContinuousMinutes(const QDateTime& time) {
    return time.toSecsSinceEpoch() / 60;
}

void TrainingNotice(Engine& engine, const QString& text) {
    const Request& r = engine.state.request;
    if (r.TargetKind == TargetKind::Local || !engine.state.settings.allowTrainingMode) return;
    Query& db = engine.db;
    if (db.open("SELECT * FROM users_options WHERE user=? LIMIT 1", {r.UserKey}) == 0) {
        db.execute("INSERT INTO users_options (user, ease_teaching) VALUES (?, ?)",
                   {r.UserKey, "NO"});
        return;
    }
    if (db.field("ease_teaching") != "YES" || !engine.out.irc->IsConnected()) return;
    engine.out.irc->SendAction(r.Privilege == Privilege::Owner ? r.ReplyTarget : r.UserNick, text);
}
