#pragma once

#include <QString>

class Engine;

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
