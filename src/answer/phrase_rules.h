#pragma once

#include <QString>

#include <utility>

class Engine;

// The rewriting stages that replace what the taught patterns match, in the order the cycle calls
// them: words standing for a teaching symbol (words_cmd_syn), misspelt words (words_correction),
// and words and phrases under the form the brain knows them by (words_relationship).
void ApplyCommandSynonyms(Engine& engine);
void ApplyCorrections(Engine& engine);
void ApplySynonyms(Engine& engine);

// The two written forms of a command synonym in Latvian mode, for the unfolded copy of the
// phrase whose letters are not transliterated yet: Latvian letters written as digraphs, and
// digraphs written as Latvian letters.
std::pair<QString, QString> SpellLatvianCommandSynonym(const QString& indefinite);
