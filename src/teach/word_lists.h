#pragma once

#include <QString>

class Engine;

// The chat commands that teach and erase the word lists: context keywords ("why>>", "why<<"),
// case-sensitive words ("[CSWORD] iPod", "[NOCSWORD] iPod") and the positive and negative words
// from which the user's mood is judged ("[POSITIVE] great", "[NEGATIVE] awful",
// "[NOPOSITIVE] great", "[NONEGATIVE] awful").
void TeachContextKeywords(Engine& engine);
void EraseContextKeywords(Engine& engine);
void TeachCaseWords(Engine& engine);
void EraseCaseWords(Engine& engine);
void TeachPositiveWords(Engine& engine);
void TeachNegativeWords(Engine& engine);
void ErasePositiveWords(Engine& engine);
void EraseNegativeWords(Engine& engine);

// Whether context keywords (as stored, "[" and "]" spelt "XX" and "YY") would collide with a
// system command or parameter, or say nothing.
bool ContextKeywordsAreReserved(Engine& engine, const QString& keywords);
