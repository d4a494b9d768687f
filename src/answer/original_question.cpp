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

    // One statement either adds the user's first record or stores the question on the one he
    // has. His phrase stays, "QUENMARK TALVANE" when empty, or becomes the pattern's words where
    // public messages are answered; an empty teacher flag is written as "NO".
    const auto [key, keyValue] = DialogueRowKey(r);
    QVariantList params{keyValue, r.UserKey, pattern, original, table};
    QString phrase = "IF(CHAR_LENGTH(`phrase`) = 0, 'QUENMARK TALVANE', `phrase`)";
    if (engine.state.settings.answerOnPublicMessages) {
        phrase = "?";
        params << PatternWords(pattern);
    }
    db.execute(
        "INSERT INTO lastphrase_user (`index`, `user`, `phrase`, `teacher`, `contextual`, "
        "`mmas_question`, `mmas_answer`, `original_question`, `interface_type`) SELECT " +
            key +
            ", ?, ?, 'NO', 'NO', 'QUENMARK', 'TALVANE', ?, ? ON DUPLICATE KEY UPDATE "
            "`user`=VALUES(`user`), `phrase`=" +
            phrase + ", `teacher`=" + OrNoColumn("`teacher`") +
            ", `original_question`=VALUES(`original_question`), "
            "`interface_type`=VALUES(`interface_type`)",
        params);
    DetailLine(engine, "A.I. > Original question saved.");
}
