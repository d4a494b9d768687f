#pragma once

#include <QString>

class Engine;

// The phrase rewriting keeps the stored system commands and parameters intact.

// Frames the current phrase for whole-word rewriting: every blank doubled, a blank at each end,
// blanks around the teaching symbols, and every system command and parameter standing apart.
void ProtectSystemCommands(Engine& engine);
// Whether the current phrase must not get synonyms: a contextual phrase, a teaching command, or
// a phrase that holds a system command or parameter.
bool IsProtectedPhrase(Engine& engine);
