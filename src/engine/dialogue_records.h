#pragma once

#include <QDateTime>
#include <QString>

#include <QVariant>

class Engine;
class Query;
struct Request;

// Per-user records of the dialogue kept in the brain.

// Keeps the user's last input and its context (lastphrase_user).
void SaveInputContext(Engine& engine);
// Counts the user's answered and unanswered inputs (lastphrase_ai) and sets the unknown level.
void UpdateDialogueCounters(Engine& engine);
// Sends a training notice to a user who asked for them.
void TrainingNotice(Engine& engine, const QString& text);
// Remembers phrases said and answers or silences a user who repeats himself.
void UpdateDialogueHistory(Engine& engine);
// Keeps an input nobody could answer.
void SaveUnsolved(Engine& engine);

enum class OutputContextForm { Basic, Mmas };
// Remembers the character's last output to a user.
void SaveOutputContext(Engine& engine, const QString& userKey, QString phrase,
                       OutputContextForm form);

// A flag column of lastphrase_user as a statement writes it back: "NO" when it is empty.
QString OrNoColumn(const QString& column);
// Writes the user's lastphrase_user row: `assignments` on the row this input met, or where it
// met none or the row is gone, a new row of `values` (every column after the key, in the
// table's order) that the assignments complete when the user has a row after all. The teacher
// flag is kept ("NO" for an empty one), or reset where a reset is due.
void WriteDialogueRow(Query& db, Request& r, const QString& values, const QVariantList& valueParams,
                      QString assignments, const QVariantList& assignmentParams);
// Writes a teacher flag reset that no write of the row has taken along in this cycle.
void WriteDueTeacherReset(Engine& engine);

// The counter `column` of the row the query stands on. Empty reads as 0; so does a text that is
// no number (an old or hand-edited brain), with a detailed console line, so that one bad cell
// does not end every cycle of its user.
int ReadCounter(Engine& engine, const QString& column);
// The same for a counter already read: `text` is the value of `column`.
int ReadCounter(Engine& engine, const QString& column, const QString& text);
// Minutes on a clock that runs on across the hour, the day and clock changes: the form of the
// ignore-until time of a user repeating himself.
qint64 ContinuousMinutes(const QDateTime& time);
