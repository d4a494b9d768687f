#pragma once

#include <QString>

class Engine;

// System commands and system parameters are stored as regular-expression patterns in which "["
// is spelt "XX" and "]" "YY". The phrase rewriting keeps them intact.

// The text upper-cased with its brackets spelt as the stored patterns spell them.
QString BracketsSpelled(const QString& text);
// Whether the text, already in its spelt form, matches a stored system command.
bool MatchesSystemCommand(Engine& engine, const QString& spelt);
// Whether the text, already in its spelt form, matches a stored system parameter.
bool MatchesSystemParameter(Engine& engine, const QString& spelt);

// Frames the current phrase for whole-word rewriting: every blank doubled, a blank at each end,
// blanks around the teaching symbols, and every system command and parameter standing apart.
void ProtectSystemCommands(Engine& engine);
// Whether the current phrase must not get synonyms: a contextual phrase, a teaching command, or
// a phrase that holds a system command or parameter.
bool IsProtectedPhrase(Engine& engine);
