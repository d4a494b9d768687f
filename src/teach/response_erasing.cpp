#include "response_erasing.h"

#include "answer_form.h"
#include "command_reply.h"
#include "regex_literal.h"

#include "brain/dialogue_rows.h"
#include "brain/interface_table.h"
#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/question_pattern.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

// The answer the command is about and the question it answers, as stored.
struct LastAnswer {
    QString table;
    QString question;  // question pattern
    QString answer;    // answer form
    bool all = false;  // "[ERASEALL]": every answer to the question
};

QString FirstLine(const QString& answer) {
    return answer.section('#', 0, 0);
}

QString WithSingleWildcards(QString pattern) {
    while (pattern.contains(QLatin1String("%%")))
        ReplaceAll(pattern, u"%%", u"%");
    return pattern;
}

// The text a contextual question holds after the context keywords when it was taught in reply to
// this answer: the answer's first line, then the marker of the question before it. It ends the
// stored pattern.
QString ContextTail(const LastAnswer& last) {
    QString tail =
        ' ' + FirstLine(last.answer) + ' ' + kEarlierQuestionMarker + ' ' + last.question + ' ';
    ReplaceAll(tail, u" ", u"%");
    return WithSingleWildcards(tail).toUpper();
}

QString ContextTailPattern(const LastAnswer& last) {
    return RegexLiteral(ContextTail(last)) + '$';
}

// The context keywords in front of the answer in a contextual question: the piece before the
// last marker that precedes the answer, without the question before it.
QString LinkedKeywords(const QString& question, const QString& tail) {
    const qsizetype at = question.lastIndexOf(tail, -1, Qt::CaseInsensitive);
    if (at <= 0) return {};
    const QStringList pieces = question.mid(1, at - 1).split(kContextMarker);
    if (pieces.size() < 2) return {};
    QString keywords = pieces[pieces.size() - 2];
    if (keywords.endsWith('%')) keywords.chop(1);
    const qsizetype earlier = keywords.lastIndexOf(kEarlierQuestionMarker);
    if (earlier >= 0) keywords = keywords.mid(earlier + kEarlierQuestionMarker.size());
    ReplaceAll(keywords, u"%", u" ");
    return keywords.trimmed();
}

// "Protect Taught Responses": only an owner or the teacher takes a taught answer back.
bool Protected(Engine& engine, const LastAnswer& last) {
    const Request& r = engine.state.request;
    if (!engine.state.settings.protectTaughtResponses || r.Privilege == Privilege::Owner)
        return false;
    Query& db = engine.db;
    if (db.open("SELECT * FROM " + last.table + " WHERE question=? AND answer=? LIMIT 1",
                {last.question, last.answer}) > 0 &&
        db.field("owner").compare(r.UserKey, Qt::CaseInsensitive) != 0)
        return true;
    // Erasing every answer would take the other teachers' answers along.
    return last.all &&
           db.open("SELECT * FROM " + last.table + " WHERE question=? AND owner<>? LIMIT 1",
                   {last.question, r.UserKey}) > 0;
}

// "Protect Contextual Data": an answer that a contextual question was taught in reply to stays.
// Its context keywords are kept for the "[ack]" of the event message.
bool LinkedWithContext(Engine& engine, const LastAnswer& last) {
    ConsoleLine(engine, "A.I. > Processing contextual data check..");
    Query& db = engine.db;
    const QString pattern = ContextTailPattern(last);
    if (db.open("SELECT * FROM interface_s WHERE question RLIKE ? LIMIT 1", {pattern}) == 0 &&
        db.open("SELECT * FROM interface_q WHERE question RLIKE ? LIMIT 1", {pattern}) == 0) {
        ConsoleLine(engine, "A.I. > Response not linked with contextual data.");
        return false;
    }
    const Request& r = engine.state.request;
    engine.state.stores.userVariables(r.UserNick).linkedContextKeywords =
        LinkedKeywords(db.field("question"), ContextTail(last));
    EndCommand(
        engine,
        {{"A.I. > Response linked with contextual data.", "A.I. > Response erasing canceled."},
         "On Manual Erasing - Response - Contain Context Data",
         {},
         "response linked with contextual data.",
         true},
        true);
    return true;
}

void EraseLinkedContext(Engine& engine, const LastAnswer& last) {
    const QString pattern = ContextTailPattern(last);
    for (const QString table : {"interface_q", "interface_s"})
        engine.db.questionChanges().keepingQuestions(
            table, "DELETE FROM " + table + " WHERE question RLIKE ?", {pattern});
}

qint64 Erase(Engine& engine, const LastAnswer& last) {
    QuestionChanges& changes = engine.db.questionChanges();
    if (last.all)
        return changes.keepingQuestions(
            last.table, "DELETE FROM " + last.table + " WHERE question=?", {last.question});
    return changes.keepingQuestions(last.table,
                                    "DELETE FROM " + last.table + " WHERE question=? AND answer=?",
                                    {last.question, last.answer});
}

// users_stats: one erase command counts one erasure; "[ERASEALL]" counts every answer it took.
void CountErasures(Engine& engine, qint64 erased) {
    Query& db = engine.db;
    const QString& user = engine.state.request.UserKey;
    if (db.open("SELECT * FROM users_stats WHERE user=? LIMIT 1", {user}) == 0) {
        db.execute(
            "INSERT INTO users_stats (`user`, `teached_count`, `erased_count`) VALUES (?, ?, ?)",
            {user, "0", QString::number(erased)});
        return;
    }
    const QString index = db.field("index");
    const int taught = ReadCounter(engine, "teached_count");
    const qint64 before = ReadCounter(engine, "erased_count");
    db.execute(
        "REPLACE users_stats (`index`, `user`, `teached_count`, `erased_count`) VALUES (?, ?, ?, "
        "?)",
        {index, user, QString::number(taught), QString::number(before + erased)});
}

}  // namespace

void EraseResponse(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    if (r.TargetKind == TargetKind::Channel) return;
    const QString upper = r.WorkPhrase.toUpper();
    const bool one = upper.contains("[ERASE]");
    if (!one && !upper.contains("[ERASEALL]")) return;
    ConsoleLine(engine, one ? "A.I. > Received response erase command."
                            : "A.I. > Received multiple response erase command.");
    if (!s.settings.allowDataErasing)
        return EndCommand(engine,
                          {{"A.I. > Response erasing restricted by owner."},
                           "On Manual Erasing - Erasing Not Allowed",
                           {"A.I. > Response erasing canceled."},
                           "response erasing restricted by owner.",
                           true},
                          true);
    if (r.Privilege == Privilege::BasicUser)
        return EndCommand(engine,
                          {{"A.I. > Response erasing restricted for user: " + r.UserNick},
                           "On Manual Erasing - Restricted For You",
                           {},
                           "response erasing restricted for you."},
                          true);

    // Without a last question or a last answer there is nothing to take back; the phrase goes
    // on to the later stages.
    const std::optional<LastPhraseUserRow> asked = ReadLastPhraseUser(engine.db, r.UserKey);
    if (!asked) return;
    LastAnswer last;
    last.all = !one;
    last.table = r.InputCategory = InterfaceTable(asked->interfaceType);
    last.question = asked->originalQuestion.toUpper();
    if (!last.question.contains('%')) last.question = QuestionPattern(last.question);
    const std::optional<LastPhraseAiRow> said = ReadLastPhraseAi(engine.db, r.UserKey);
    if (!said) return;
    last.answer = AnswerForm(said->phrase.toUpper());

    if (Protected(engine, last))
        return EndCommand(engine,
                          {{"A.I. > Response is protected from erasing."},
                           "On Manual Erasing - Response - Protected",
                           {"A.I. > Response erasing canceled."},
                           "response is protected from erasing.",
                           true},
                          true);
    if (s.settings.protectContextualData && LinkedWithContext(engine, last)) return;

    ConsoleLine(engine, one ? "A.I. > Erasing response from memory.."
                            : "A.I. > Erasing multiple responses from memory..");
    if (!s.settings.protectContextualData && !s.settings.keepLinkedContextualData)
        EraseLinkedContext(engine, last);
    const qint64 erased = Erase(engine, last);
    if (erased == 0)
        return EndCommand(
            engine,
            {{"A.I. > Response(s) does not exist."},
             one ? "On Manual Erasing - System" : "On Manual Erasing - System Multiple",
             {},
             "response(s) does not exist.",
             true},
            true);
    EndCommand(engine,
               one ? CommandReply{{"A.I. > Response erase completed successfully."},
                                  "On Manual Erasing - Response - Success",
                                  {},
                                  "response erase completed successfully.",
                                  true}
                   : CommandReply{{"A.I. > Multiple response erase completed successfully."},
                                  "On Manual Erasing - Multiple Response - Success",
                                  {},
                                  "multiple response erase completed successfully.",
                                  true},
               true);
    CountErasures(engine, one ? 1 : erased);
}
