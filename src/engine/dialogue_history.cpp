// What users said: the phrases they repeat (users_history) and the inputs nobody answered.

#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/stored_patterns.h"
#include "console_log.h"
#include "dialogue_records.h"
#include "engine.h"
#include "event_answer.h"

#include <algorithm>
#include <limits>

namespace {

bool HasPhraseMarker(const QString& upper) {
    return upper.contains(kContextMarker) || upper.contains(kEarlierQuestionMarker);
}

// The input was already dealt with by a stage that is no ordinary answer.
bool HandledOtherwise(const EngineState& s) {
    const Outcomes& o = s.outcomes;
    return s.keyEvents.KeyEventActive || o.TeachingHandled || o.ErasingHandled ||
           o.EmptyInputAnswered || o.HighlightAnswered || o.StopLonelyAnswered ||
           o.StopMmasAnswered || o.ConverterAnswered ||
           o.RepetitionOutcome != RepetitionOutcome::None;
}

bool IsContextKeywordSet(Query& db, const QString& upper) {
    const QString framed = ' ' + upper + ' ';
    return StoredWordMayEqual(db, "words_context", "context_words", framed) &&
           db.open("SELECT * FROM words_context WHERE context_words=? LIMIT 1", {framed}) > 0;
}

QDateTime ToTheMinute(QDateTime time) {
    time.setTime(QTime(time.time().hour(), time.time().minute()));
    return time;
}

// Whole minutes since the phrase was last said, from the row the query stands on. A date or
// time that cannot be read counts as long ago: the phrase is then no repetition.
int MinutesSinceSaid(Engine& engine, const QDateTime& now) {
    const QString date = engine.db.field("date_said");
    const QString time = engine.db.field("time_said");
    const QDateTime said(QDate::fromString(date, "yyyy.M.d"), QTime::fromString(time, "h:m:s"));
    if (!said.isValid()) {
        DetailLine(engine, "A.I. > Dialogue history time \"" + date + " " + time +
                               "\" is not a date and time. Counted as long ago.");
        return std::numeric_limits<int>::max();
    }
    const qint64 minutes = ToTheMinute(said).secsTo(ToTheMinute(now)) / 60;
    return int(std::clamp<qint64>(minutes, 0, std::numeric_limits<int>::max()));
}

// A user who says the same thing within two minutes gets told so, and then is ignored for
// "RP.IT." minutes if he goes on. Returns false when the user is to be ignored.
bool RepeatedHimself(Engine& engine, TUserVariables& user, const QDateTime& now) {
    const qint64 nowMinutes = ContinuousMinutes(now);
    if (user.repetitionCount >= 1 && nowMinutes <= user.ignoreUntil) {
        ConsoleLine(engine, "A.I. > Ignoring user " + engine.state.request.UserNick +
                                ". User repeating himself.");
        engine.state.outcomes.RepetitionOutcome = RepetitionOutcome::Ignored;
        return false;
    }
    ++user.repetitionCount;
    if (nowMinutes >= user.ignoreUntil) user.repetitionCount = 0;
    user.ignoreUntil = nowMinutes + SettingNumber(engine.state.settings.HistoryRepeatings, 0);
    return true;
}

}  // namespace

void UpdateDialogueHistory(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    if (HandledOtherwise(s)) return;
    const QString said = r.Answered ? r.MatchedQuestion : r.WorkPhrase;
    const QString upper = said.toUpper();
    // An answer that matched no stored question (the dialogue intro) leaves nothing to repeat.
    if (upper.trimmed().isEmpty() || HasPhraseMarker(upper)) return;
    Query& db = engine.db;
    if (IsContextKeywordSet(db, upper)) return;

    const QString type = r.InputCategory == "interface_q" ? "Question" : "Standard";
    ConsoleLine(engine, "A.I. > Updating dialogue history data..");
    if (db.open("SELECT * FROM users_history WHERE phrase=? AND type=? LIMIT 1", {upper, type}) ==
        0) {
        db.execute(
            "INSERT INTO users_history (user, phrase, type, date_said, time_said, times_said) "
            "VALUES (?, ?, ?, ?, ?, ?)",
            {r.UserKey, upper, type, s.clock.DateText, s.clock.TimeText, "1"});
        ConsoleLine(engine, "A.I. > Updated dialogue history data.");
        return;
    }
    const QDateTime now = engine.out.clock->now();
    const int minutes = MinutesSinceSaid(engine, now);
    TUserVariables& user = s.stores.userVariables(r.UserNick);
    user.historyMinutes = minutes;
    user.historyPhrase = said;
    // The phrase stays as it is: rewriting it costs the server more than the row's other fields.
    db.execute(
        "UPDATE users_history SET user=?, date_said=?, time_said=?, times_said=? WHERE `index`=?",
        {r.UserKey, s.clock.DateText, s.clock.TimeText,
         QString::number(ReadCounter(engine, "times_said") + 1), db.field("index")});
    ConsoleLine(engine, "A.I. > Updated dialogue history data.");

    const Settings& set = s.settings;
    if (minutes >= SettingNumber(set.HistoryTimeout, 0)) return;
    if (set.ignoreAdminTextRepetitions && set.HistoryRepeatIgnore &&
        r.Privilege == Privilege::Owner)
        return;
    const bool quickly = !set.ignoreAdminTextRepetitions && minutes <= 2;
    if (quickly && !RepeatedHimself(engine, user, now)) return;
    AnswerWithEvent(engine,
                    quickly ? "On User Repeated Himself" : "On User Repeated History - " + type);
    r.Answered = true;
}

void SaveUnsolved(Engine& engine) {
    const EngineState& s = engine.state;
    const Request& r = s.request;
    const QString upper = r.WorkPhrase.toUpper();
    if (r.WorkPhrase.isEmpty() || r.WorkPhrase == " " || r.NickRemoved || HasPhraseMarker(upper))
        return;
    ConsoleLine(engine, "A.I. > Updating unsolved data..");
    Query& db = engine.db;
    const QVariantList values = {r.UserKey, upper, s.clock.DateText, s.clock.TimeText};
    // One statement either adds the phrase or rewrites who said it last and when.
    db.execute(
        "INSERT INTO unsolved_data (`index`, user, phrase, date_said, time_said) SELECT (SELECT "
        "`index` FROM unsolved_data WHERE phrase=? LIMIT 1), ?, ?, ?, ? ON DUPLICATE KEY UPDATE "
        "user=VALUES(user), phrase=VALUES(phrase), date_said=VALUES(date_said), "
        "time_said=VALUES(time_said)",
        QVariantList{r.WorkPhrase} + values);
    ConsoleLine(engine, "A.I. > Updated unsolved data.");
}
