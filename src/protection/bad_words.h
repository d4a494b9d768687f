#pragma once

#include <QString>

class Engine;

// Whether a word of `phrase` (punctuation cleaned away) is a bad word of words_bc, as a whole
// word and regardless of case.
bool HoldsBadWord(Engine& engine, const QString& phrase);

// Whether `nick`, cleaned of punctuation, contains a match of a words_bc entry taken as a regular
// expression. An entry that is no valid pattern, or empty, matches nothing, so one slip in the
// list never switches the test off, nor makes every nick bad.
bool IsBadNick(Engine& engine, const QString& nick);
