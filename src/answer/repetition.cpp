#include "repetition.h"

#include "brain/dialogue_rows.h"
#include "engine/event_answer.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

const QString kUnknownValue = QStringLiteral("UNKNOWN VALUE");

QString WithoutPunctuation(QString phrase) {
    ReplaceEach(phrase, {u"?", u"!", u".", u","}, u" ");
    ReplaceAll(phrase, u"   ", u" ");
    ReplaceAll(phrase, u"  ", u" ");
    return phrase.trimmed();
}

// The character's last phrase as a user would repeat it: without the markers of its output.
QString CharactersLastPhrase(Engine& engine) {
    const std::optional<LastPhraseAiRow> last =
        ReadLastPhraseAi(engine.db, engine.state.request.UserKey);
    if (!last) return kUnknownValue;
    QString phrase = last->phrase;
    for (const QStringView marker : {u"[SYSMSG]", u"[ACTION]", u"[USERNICK]"})
        RemoveIgnoringCase(phrase, marker);
    return WithoutPunctuation(phrase);
}

bool SameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool TrainingModeUser(Engine& engine) {
    if (!engine.state.settings.allowTrainingMode) return false;
    return engine.db.open("SELECT * FROM users_options WHERE user=? LIMIT 1",
                          {engine.state.request.UserKey}) > 0 &&
           engine.db.field("ease_teaching") == "YES";
}

void Answer(Engine& engine, const QString& event) {
    AnswerWithEvent(engine, event);
    engine.state.request.Answered = true;
    engine.state.outcomes.RepetitionOutcome = RepetitionOutcome::Answered;
}

// The user said his last phrase again. Returns false when he is being ignored.
bool RepeatedHimself(Engine& engine) {
    EngineState& s = engine.state;
    TUserVariables& user = s.stores.userVariables(s.request.UserNick);
    const qint64 now = ContinuousMinutes(engine.out.clock->now());
    const bool windowEnded = now >= user.ignoreUntil;
    if (user.repetitionCount > 0 && !windowEnded) {
        ConsoleLine(engine,
                    "A.I. > Ignoring user " + s.request.UserNick + ". User repeating himself.");
        s.outcomes.RepetitionOutcome = RepetitionOutcome::Ignored;
        return false;
    }
    if (engine.out.random->bounded(2) == 1) {
        ++user.repetitionCount;
        if (windowEnded) user.repetitionCount = 0;
        user.ignoreUntil = now + SettingNumber(s.settings.HistoryRepeatings, 0);
        Answer(engine, "On User Repeated Himself");
    }
    return true;
}

}  // namespace

void DetectRepetition(Engine& engine) {
    const EngineState& s = engine.state;
    const Request& r = s.request;
    if (!r.Highlighted && !r.PrivateInput) return;
    if (s.settings.ignoreAdminTextRepetitions && r.Privilege == Privilege::Owner) return;
    if (TrainingModeUser(engine)) return;

    QString usersLast = kUnknownValue;
    if (const auto last = ReadLastPhraseUser(engine.db, r.UserKey)) {
        // While a user teaches, he says the same questions again on purpose.
        if (last->teacher == "YES") return;
        usersLast = last->phrase;
    }
    const QString charactersLast = CharactersLastPhrase(engine);

    if (SameText(r.WorkPhrase, usersLast) && !RepeatedHimself(engine)) return;
    if (SameText(WithoutPunctuation(r.WorkPhrase), charactersLast) &&
        engine.out.random->bounded(4) < 3)
        Answer(engine, "On User Repeated A.I.");
}
