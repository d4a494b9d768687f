#pragma once

#include <QString>

// The three rewriting stages that replace what stored patterns match.
enum class RuleKind { CommandSynonym, Correction, Synonym };

// Whether a rewritten phrase may stand. A rewrite must not turn an erase command (or, for command
// synonyms, a teaching command) into a command about two identical sides: «WROGN<>WRONG» must
// not become «WRONG<>WRONG». `latvian`: the text is the unfolded copy of Latvian mode.
bool PassesEraseCommandCheck(const QString& rewritten, RuleKind kind, bool latvian);
