#pragma once

#include "engine_state.h"

#include <QDateTime>

class Engine;

// The pieces of the NLP cycle that belong to the engine itself.

// Splits the time into the clock parts without leading zeros.
ClockParts ComputeClockParts(const QDateTime& now);
// Counts the rows of the brain tables that the count placeholders and !commands show.
void CountBrainRows(Engine& engine);
// Answers one of the fixed trigger phrases with the program's version banner.
void VersionBanner(Engine& engine);
// The input as the NLP log shows it: lower case, cut at the context marker, teaching tokens
// put back as the commands the user typed.
QString LoggedInput(const QString& workPhrase);
// The unknown-answer event for an input that found no answer.
QString UnknownAnswerEvent(const QString& inputCategory, int level, const QString& workPhrase);
