#pragma once

#include <QString>

class Engine;
class Query;

// Judges the user's mood from the positive and negative words of his phrase and moves his
// personality score one step; the score names the personality that answer lookup matches.
void JudgeMood(Engine& engine);

// How many times the patterns of a word list (words_positive, words_negative) match the phrase.
// Each match takes the matched word out of the phrase before the next search.
int CountWordListMatches(Query& db, const QString& table, const QString& column, QString phrase);
