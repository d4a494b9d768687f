#include "response_modification.h"

#include "answer_form.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/event_answer.h"
#include "engine/levenshtein.h"

namespace {

// How many edits still count as the same line, by the length of the taught text.
int NearnessThreshold(qsizetype length) {
    if (length < 5) return 0;
    if (length < 10) return 1;
    if (length < 50) return 2;
    if (length < 100) return 3;
    if (length < 150) return 4;
    return 5;
}

// Lines are compared in the stored form, so that the blanks it puts around punctuation are no
// edits: « HI THERE , FRIEND ! » is one letter pair away from "HI THERE, FREIND!".
bool Near(const QString& line, const QString& taught, int threshold) {
    return LevenshteinDistance(AnswerForm(line).trimmed(), AnswerForm(taught).trimmed(),
                               threshold) <= threshold;
}

// The lines of an answer: the pieces before each " # ", the answer closed by one more.
QStringList AnswerLines(const QString& answer) {
    QStringList lines;
    QString rest = answer + " # ";
    for (qsizetype at = rest.indexOf(" # "); at >= 0; at = rest.indexOf(" # ")) {
        lines << rest.left(at);
        rest.remove(0, at + 3);
    }
    return lines;
}

}  // namespace

bool ModifyResponse(Engine& engine, const QString& table, const QString& questionPattern,
                    const QString& answer) {
    Request& r = engine.state.request;
    const QString taught = answer.toUpper();
    const int threshold = NearnessThreshold(taught.size());
    for (TUserVariables& user : engine.state.stores.UserVarStore) {
        if (user.nick != r.UserNick) continue;
        QStringList lines = AnswerLines(user.lastAnswer.toUpper());
        for (QString& line : lines)
            if (Near(line, taught, threshold)) line = taught;
        const QString newAnswer = AnswerForm(lines.join(" # "));
        const QString oldAnswer = AnswerForm(user.lastAnswer);
        if (newAnswer == oldAnswer) continue;
        engine.db.questionChanges().keepingQuestions(
            table, "UPDATE " + table + " SET answer=? WHERE question=? AND answer=?",
            {newAnswer, questionPattern, oldAnswer});
        user.lastAnswer = newAnswer;
        ConsoleLine(engine, "A.I. > Response modified.");
        AnswerWithEvent(engine, "On Manual Learning - Response - Modified");
        engine.state.outcomes.TeachingHandled = true;
        r.Answered = true;
        return true;
    }
    return false;
}
