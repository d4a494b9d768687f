#pragma once

#include <QString>

#include <optional>

class Query;

// The per-user rows of the dialogue: what the user said last (lastphrase_user) and what the
// character said to the user last, with the dialogue counters (lastphrase_ai). Stages read them
// whole through these, so that none reads a field off the shared query after another statement
// has moved it.

struct LastPhraseUserRow {
    QString index, user, phrase, teacher, contextual, mmasQuestion, mmasAnswer, originalQuestion,
        interfaceType;
};
// The user's row; none when the user has none.
std::optional<LastPhraseUserRow> ReadLastPhraseUser(Query& db, const QString& userKey);
// Writes the row whole again over the one of its `index`.
void WriteLastPhraseUser(Query& db, const LastPhraseUserRow& row);

struct LastPhraseAiRow {
    QString index, user, phrase, unanswered, answered, dialogcount, unknowns;
};
std::optional<LastPhraseAiRow> ReadLastPhraseAi(Query& db, const QString& userKey);
