#include "original_question.h"

#include "interface_table.h"
#include "question_pattern.h"

#include "brain/query.h"
#include "engine/console_log.h"
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

    if (db.open("SELECT * FROM lastphrase_user WHERE user=? LIMIT 1", {r.UserKey}) == 0) {
        db.execute(
            "INSERT INTO lastphrase_user (`user`, `phrase`, `teacher`, `contextual`, "
            "`mmas_question`, `mmas_answer`, `original_question`, `interface_type`) VALUES (?, "
            "?, ?, ?, ?, ?, ?, ?)",
            {r.UserKey, pattern, "NO", "NO", "QUENMARK", "TALVANE", original, table});
    } else {
        QString phrase = db.field("phrase");
        if (phrase.isEmpty()) phrase = "QUENMARK TALVANE";
        if (engine.state.settings.answerOnPublicMessages) phrase = PatternWords(pattern);
        QString teacher = db.field("teacher");
        if (teacher.isEmpty()) teacher = "NO";
        db.execute(
            "REPLACE lastphrase_user (`index`, `user`, `phrase`, `teacher`, `contextual`, "
            "`mmas_question`, `mmas_answer`, `original_question`, `interface_type`) VALUES (?, "
            "?, ?, ?, ?, ?, ?, ?, ?)",
            {db.field("index"), r.UserKey, phrase, teacher, db.field("contextual"),
             db.field("mmas_question"), db.field("mmas_answer"), original, table});
    }
    DetailLine(engine, "A.I. > Original question saved.");
}
