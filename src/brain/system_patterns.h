#pragma once

#include <QString>

class Query;

// System commands and system parameters are stored as regular-expression patterns in which "["
// is spelt "XX" and "]" "YY" (tables system_commands and system_parameters).

// The text upper-cased with its brackets spelt as the stored patterns spell them.
QString BracketsSpelled(const QString& text);
// Whether the text, already in its spelt form, matches a stored system command.
bool MatchesSystemCommand(Query& db, const QString& spelt);
// Whether the text, already in its spelt form, matches a stored system parameter.
bool MatchesSystemParameter(Query& db, const QString& spelt);

// Keeps stored patterns apart from the words around them, so that whole-word rewriting never
// cuts into them: puts a blank on each side of every occurrence (ignoring case) of each stored
// pattern of `table` (its column `column`) that the text matches, asking the brain again after
// each one. The text is matched with its brackets spelt as the patterns spell them; afterwards
// only those spellings become brackets again, so letters of the text that read "XX" or "YY" stay
// letters. A padded pattern would still match, so each question is asked about the text without
// the patterns already handled; the asking ends when nothing matches, when a pattern does not
// occur literally, or after as many rounds as the table has rows.
void PadStoredPatterns(Query& db, QString& text, const QString& table, const QString& column);
