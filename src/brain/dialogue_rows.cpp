#include "dialogue_rows.h"

#include "query.h"

std::optional<LastPhraseUserRow> ReadLastPhraseUser(Query& db, const QString& userKey) {
    if (db.open("SELECT * FROM lastphrase_user WHERE user=? LIMIT 1", {userKey}) == 0) return {};
    return LastPhraseUserRow{db.field("index"),         db.field("user"),
                             db.field("phrase"),        db.field("teacher"),
                             db.field("contextual"),    db.field("mmas_question"),
                             db.field("mmas_answer"),   db.field("original_question"),
                             db.field("interface_type")};
}

void WriteLastPhraseUser(Query& db, const LastPhraseUserRow& row) {
    db.execute(
        "REPLACE lastphrase_user (`index`, `user`, `phrase`, `teacher`, `contextual`, "
        "`mmas_question`, `mmas_answer`, `original_question`, `interface_type`) VALUES (?, ?, ?, "
        "?, ?, ?, ?, ?, ?)",
        {row.index, row.user, row.phrase, row.teacher, row.contextual, row.mmasQuestion,
         row.mmasAnswer, row.originalQuestion, row.interfaceType});
}

std::optional<LastPhraseAiRow> ReadLastPhraseAi(Query& db, const QString& userKey) {
    if (db.open("SELECT * FROM lastphrase_ai WHERE user=? LIMIT 1", {userKey}) == 0) return {};
    return LastPhraseAiRow{db.field("index"),      db.field("user"),     db.field("phrase"),
                           db.field("unanswered"), db.field("answered"), db.field("dialogcount"),
                           db.field("unknowns")};
}
