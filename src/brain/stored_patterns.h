#pragma once

#include <QString>

class Query;

// Answers, from a copy of one column of a table, the questions that the cycle puts to the brain
// with nearly every input and that nearly always find nothing: whether a stored pattern matches
// the phrase, or a stored word equals it. A "no" here is the server's "no", so the question need
// not be sent; a "maybe" is for the server to answer. The copy is taken again whenever the table
// changes, and where the table keeps no live checksum every answer is "maybe".

// Whether `subject RLIKE column` (or RLIKE UPPER(column): the matching is case-blind) can hold
// for a row.
bool StoredPatternMayMatch(Query& db, const QString& table, const QString& column,
                           const QString& subject);

// Whether `subject = column` (or = UPPER(column)) can hold for a row under the brain's
// case-blind collation.
bool StoredWordMayEqual(Query& db, const QString& table, const QString& column,
                        const QString& subject);

// Whether a row's CHAR_LENGTH(column) can be `length`.
bool StoredLengthMayBe(Query& db, const QString& table, const QString& column, qsizetype length);
