#pragma once

#include "brain/question_changes.h"

#include <QString>
#include <QVariantList>

#include <limits>

struct Request;

// A row the copy of the stored questions names, with what the copy knows of how the ranked
// statements would rank it.
struct CandidateRow {
    // How the row could be found: by the mixed-word first pass, or by advanced data matching
    // with the stored question as a pattern over the phrase or the phrase as a pattern over it.
    enum class Match : quint8 { FirstPass, StoredAsPattern, PhraseAsPattern };
    Match match;
    // Null where the copy does not know them: a row ADM expansion gave another question.
    const RankingColumns* columns;
    // For StoredAsPattern: the question's length as the server counts it, in UTF-8 bytes.
    qsizetype questionBytes;
    // For FirstPass: false when the question surely differs from the phrase, whatever the case.
    bool mayEqualPhrase;
};

// The rank of a row that no try can find.
constexpr qint64 kNeverFound = std::numeric_limits<qint64>::max();

// A search condition with its bound values.
struct Condition {
    QString sql;
    QVariantList params;
};
Condition operator+(Condition a, const Condition& b);

// The first pass has five tries (A to E), advanced data matching four more.
constexpr int kFirstPassTries = 5;

// The conditions one lookup asks of the interface table for a question pattern. A to D search
// by category, daytime and personality, less of them each time, with the same match clause M;
// E asks only for the match. ADM A and B take the stored question as a LIKE pattern over the
// phrase, C and D the phrase as a pattern over the stored questions.
struct LookupConditions {
    const Request& r;
    QString pattern;
    bool mwrSetting;

    // M: the phrase itself, or with mixed words each of its words anywhere in the question.
    Condition match(bool mwr) const;
    // Tries A to E, each on its own.
    QList<Condition> firstPassTries(bool mwr) const;
    // Tries A to E in one statement: fills `where` with the rows any of them finds and returns
    // the rank of a row, the number of the first try that finds it times the rank step.
    Condition firstPassRanked(bool mwr, Condition& where) const;
    // ADM A to D in one statement, ranked after the first pass; longer stored questions first
    // within A and B.
    Condition admRanked(Condition& where) const;
    // The lowest rank that the ranked statements could give a row the copy of the stored
    // questions names, kNeverFound where none of them can find it. Never above the rank the
    // server gives the row: where the copy cannot tell, the row is taken at its best.
    qint64 lowestRank(const CandidateRow& row) const;

  private:
    Condition lengthClause() const;
    Condition simpleMatch(bool mwr) const;
};

// Whether the text holds characters with a meaning in the server's regular expressions. Text
// without them matches (RLIKE) exactly where it occurs literally, and can never make a statement
// fail.
bool HasRegexSpecials(const QString& text);

// The try that found a row, from the rank the ranked statements give it.
int TryOfRank(qint64 rank);
