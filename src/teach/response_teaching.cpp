#include "response_teaching.h"

#include "answer_form.h"
#include "reserved_words.h"
#include "response_modification.h"
#include "response_refusals.h"
#include "teaching_nicks.h"
#include "teaching_stats.h"

#include "brain/dialogue_rows.h"
#include "brain/interface_table.h"
#include "brain/personality.h"
#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/question_pattern.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/event_answer.h"

namespace {

const QString kContextEvent = QStringLiteral("On Manual Learning - Response - KeyEvent - Context");

TKeyEvents* FirstKeyEvent(Engine& engine) {
    for (TKeyEvents& event : engine.state.stores.KeyEventsStore)
        if (event.userKey == engine.state.request.UserKey) return &event;
    return nullptr;
}

void Handled(Engine& engine) {
    engine.state.outcomes.TeachingHandled = true;
    engine.state.request.Answered = true;
}

// One "#" or "##" command from the moment its marker is recognised.
class ResponseCommand {
  public:
    ResponseCommand(Engine& engine, bool extend, QChar choice)
        : e_(engine), r_(engine.state.request), extend_(extend), choice_(choice) {}

    void run() {
        answer_ = r_.WorkPhrase;
        e_.state.outcomes.ResponseTaught = true;
        e_.state.outcomes.ResponseExtended = extend_;
        ConsoleLine(e_, extend_ ? "A.I. > Received response extend command."
                                : "A.I. > Received response teaching command.");
        if (!permitted() || !readQuestion()) return;
        if (choice_.isNull() && question_.contains(kContextMarker)) return holdForChoice();
        pattern_ = QuestionPattern(question_.toUpper());
        if (QuestionIsReserved(e_, pattern_)) return refuse(ResponseRefusal::QuestionError);
        if (AnswerIsReserved(e_, answer_)) return refuse(ResponseRefusal::AnswerError);
        if (!(extend_ ? findAnswerToExtend() : isNewAnswer())) return;
        if (limited()) return refuse(ResponseRefusal::Limited);
        ConsoleLine(e_, extend_ ? "A.I. > Extending response.." : "A.I. > Learning response..");
        CountTeaching(e_);
        if (ModifyResponse(e_, table_, pattern_, answer_)) return;
        if (extend_) {
            extendAnswer();
        } else if (pattern_ == "%QUENMARK%TALVANE%") {
            return refuse(ResponseRefusal::MissingInputData);
        } else {
            storeAnswer();
        }
        keepLastPhrase();
        if (!extend_) ConsoleLine(e_, "A.I. > Learned new response.");
        AnswerWithEvent(e_, extend_ ? "On Manual Learning - Response Extend - success"
                                    : "On Manual Learning - Response - success");
        Handled(e_);
    }

  private:
    void refuse(ResponseRefusal refusal) { RefuseResponse(e_, refusal, extend_); }

    bool moderatorOrAbove() const {
        return r_.Privilege == Privilege::Owner || r_.Privilege == Privilege::SuperModerator;
    }
    bool restricted() const {
        return e_.state.settings.restrictAdvancedTeaching && !moderatorOrAbove();
    }

    bool permitted() {
        const Settings& s = e_.state.settings;
        if (!s.allowDataTeaching) {
            refuse(ResponseRefusal::TeachingNotAllowed);
        } else if (r_.Privilege == Privilege::BasicUser) {
            refuse(ResponseRefusal::RestrictedForUser);
        } else if (extend_ && restricted()) {
            refuse(ResponseRefusal::ExtendRestricted);
        } else if (s.restrictNicksInTeachingData && AnswerNamesNick(e_, answer_)) {
            refuse(ResponseRefusal::NickInAnswer);
        } else {
            return true;
        }
        return false;
    }

    // The user's last phrase is the question; its interface table takes the answer.
    bool readQuestion() {
        const std::optional<LastPhraseUserRow> last = ReadLastPhraseUser(e_.db, r_.UserKey);
        if (!last) {
            refuse(ResponseRefusal::ZeroQuestion);
            return false;
        }
        table_ = InterfaceTable(last->interfaceType);
        r_.InputCategory = table_;
        question_ = (extend_ ? last->originalQuestion : last->phrase).toUpper();
        if (choice_.isNull()) return true;
        TKeyEvents* event = FirstKeyEvent(e_);
        event->active = false;
        // Nothing of the last answer is near the choice's answer, so it is taught, not modified.
        for (TUserVariables& user : e_.state.stores.UserVarStore)
            if (user.nick == r_.UserNick) user.lastAnswer = answer_;
        question_ = event->question;
        const qsizetype marker = question_.indexOf(kContextMarker);
        if (choice_ == 'B' && marker >= 0) {
            question_ = question_.left(marker).trimmed();
        }
        return true;
    }

    // A question with the context marker waits for the user's choice: the whole contextual
    // phrase, or its context keywords alone.
    void holdForChoice() {
        const TKeyEvents held{r_.UserKey, "CONTEXT", true, (extend_ ? "##" : "#") + answer_,
                              question_};
        if (TKeyEvents* event = FirstKeyEvent(e_)) {
            *event = held;
        } else {
            e_.state.stores.KeyEventsStore.append(held);
        }
        AnswerWithEvent(e_, kContextEvent);
        Handled(e_);
    }

    bool isNewAnswer() {
        const Request& r = r_;
        if (e_.db.open("SELECT * FROM " + table_ +
                           " WHERE personality=? AND daylight_time=? AND category=? AND "
                           "question=? AND answer=? LIMIT 1",
                       {r.Personality, r.Daytime, r.Category, pattern_, AnswerForm(answer_)}) == 0)
            return true;
        refuse(ResponseRefusal::InformationExists);
        return false;
    }

    // The answer the character gave last, or the one the user taught just before.
    bool findAnswerToExtend() {
        Query& db = e_.db;
        const std::optional<LastPhraseAiRow> said = ReadLastPhraseAi(db, r_.UserKey);
        lastAnswer_ = AnswerForm(said ? said->phrase : QStringLiteral("UNKNOWN VALUE"));
        if (db.open("SELECT * FROM " + table_ + " WHERE question=? AND answer=? LIMIT 1",
                    {pattern_, lastAnswer_}) > 0)
            return true;
        const std::optional<LastPhraseUserRow> taught = ReadLastPhraseUser(db, r_.UserKey);
        if (!taught || taught->teacher != "YES") {
            refuse(ResponseRefusal::NothingToExtend);
            return false;
        }
        pattern_ = QuestionPattern(taught->mmasQuestion.toUpper());
        lastAnswer_ = AnswerForm(taught->mmasAnswer);
        return true;
    }

    // Restricted users may only answer questions that have no answer yet.
    bool limited() {
        return restricted() &&
               e_.db.open("SELECT * FROM " + table_ + " WHERE question=? LIMIT 1", {pattern_}) > 0;
    }

    void storeAnswer() {
        const Request& r = r_;
        e_.db.questionChanges().record(table_, [&](QuestionChange& change) {
            const qint64 added = e_.db.execute(
                "INSERT INTO " + table_ +
                    "(`personality`, `daylight_time`, `category`, `question`, `answer`, "
                    "`owner`, `date_learned`, `time_learned`) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                {r.Personality, r.Daytime, r.Category, pattern_, AnswerForm(answer_), r.UserKey,
                 e_.state.clock.DateText, e_.state.clock.TimeText});
            change.keys = {quint32(e_.db.lastInsertId())};
            change.question = pattern_;
            change.columns = RankingColumns{r.Category, r.Daytime, r.Personality};
            return added;
        });
        e_.state.stores.userVariables(r.UserNick).lastAnswer = answer_.toUpper();
        TrainingNotice(e_, "learned new response.");
        const QString words = QString(pattern_).replace('%', ' ').trimmed();
        ConsoleLine(e_, "A.I. > Erasing phrase from unsolved data..");
        ConsoleLine(e_, e_.db.execute("DELETE FROM unsolved_data WHERE phrase=?", {words}) > 0
                            ? "A.I. > Erased phrase from unsolved data."
                            : "A.I. > Phrase does not exist or already erased.");
    }

    void extendAnswer() {
        const QString lines = QString::number(lastAnswer_.count('#') + 2);
        const QString extended = AnswerForm(lastAnswer_ + " # " + answer_.toUpper());
        e_.db.questionChanges().keepingQuestions(
            table_, "UPDATE " + table_ + " SET answer=? WHERE question=? AND answer=?",
            {extended, pattern_, lastAnswer_});
        e_.state.stores.userVariables(r_.UserNick).lastAnswer = extended;
        const QString symbols = QString::number(extended.size());
        ConsoleLine(e_, "A.I. > Response extended and now contains " + lines + " lines (" +
                            symbols + " symbols).");
        TrainingNotice(e_, "response extended and now contains " + lines + " lines (" + symbols +
                               " symbols).");
    }

    // The user's last phrase remembers what was taught, so that "##" right after "#" extends it.
    void keepLastPhrase() {
        if (extend_) r_.WorkPhrase = lastAnswer_ + " # " + r_.WorkPhrase;
        std::optional<LastPhraseUserRow> row = ReadLastPhraseUser(e_.db, r_.UserKey);
        if (!row) return;
        row->user = r_.UserKey;
        row->teacher = "YES";
        if (row->contextual.isEmpty()) row->contextual = "NO";
        row->mmasQuestion = PatternWords(pattern_);
        row->mmasAnswer = r_.WorkPhrase.toUpper();
        if (row->originalQuestion.isEmpty()) row->originalQuestion = "QUENMARK TALVANE";
        WriteLastPhraseUser(e_.db, *row);
    }

    Engine& e_;
    Request& r_;
    const bool extend_;
    const QChar choice_;  // 'A' or 'B' when replaying a held command, null otherwise
    QString answer_, question_, table_, pattern_, lastAnswer_;
};

// Recognises the command marker and starts the command; `choice` replays a held one.
void Teach(Engine& engine, QChar choice) {
    Request& r = engine.state.request;
    if (choice.isNull() && r.TargetKind == TargetKind::Channel) return;
    if (!r.WorkPhrase.startsWith('#')) return;
    r.WorkPhrase.remove(0, 1);
    const bool extend = r.WorkPhrase.startsWith('#');
    if (extend) r.WorkPhrase.remove(0, 1);
    ResponseCommand(engine, extend, choice).run();
}

}  // namespace

void TeachResponse(Engine& engine) {
    Teach(engine, {});
}

void TeachResponseChoice(Engine& engine) {
    Request& r = engine.state.request;
    if (r.WorkPhrase != "A" && r.WorkPhrase != "B") {
        AnswerWithEvent(engine, "On KeyEvent - Wrong Selection");
        engine.state.lonely.speaking = false;
        Run(engine.stages.PrepareDelivery, engine);
        Run(engine.stages.StartDelivery, engine);
        AnswerWithEvent(engine, kContextEvent);
        Handled(engine);
        return;
    }
    const QChar choice = r.WorkPhrase[0];
    TKeyEvents* event = FirstKeyEvent(engine);
    if (!event) return Teach(engine, {});
    r.WorkPhrase = event->pendingPhrase;
    // The choice comes before the mood stage of its cycle: the answer is taught under the
    // personality the user has, as every other answer is.
    r.Personality = StoredPersonality(engine.db, r.UserKey);
    Teach(engine, choice);
}
