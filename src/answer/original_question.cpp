#include "original_question.h"

#include "brain/interface_table.h"
#include "brain/question_pattern.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

void SaveOriginalQuestion(Engine& engine) {
    Request& r = engine.state.request;
    Query& db = engine.db;
    DetailLine(engine, "A.I. > Saving original question..");
    const QString pattern = QuestionPattern(r.WorkPhrase);
    const QString table = InterfaceTable(r.InputCategory);
    QString original = r.MatchedQuestion;
    if (original.isEmpty() || original == "%") original = pattern;
    original = PatternWords(original);
    r.MatchedQuestion = original;

    // Adds the user's first record or stores the question on the one he has. His phrase stays,
    // "QUENMARK TALVANE" when empty, or becomes the pattern's words where public messages are
    // answered; an empty teacher flag is written as "NO".
    QVariantList assignmentParams{r.UserKey};
    QString phrase = "IF(CHAR_LENGTH(`phrase`) = 0, 'QUENMARK TALVANE', `phrase`)";
    if (engine.state.settings.answerOnPublicMessages) {
        phrase = "?";
        assignmentParams << PatternWords(pattern);
    }
    assignmentParams << original << table;
    WriteDialogueRow(db, r, "?, ?, 'NO', 'NO', 'QUENMARK', 'TALVANE', ?, ?",
                     {r.UserKey, pattern, original, table},
                     "`user`=?, `phrase`=" + phrase + ", `original_question`=?, `interface_type`=?",
                     assignmentParams);
    DetailLine(engine, "A.I. > Original question saved.");
}
