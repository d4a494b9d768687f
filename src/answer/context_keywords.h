#pragma once

class Engine;

// When the whole phrase is a taught set of context keywords, the phrase becomes a contextual
// phrase: the keywords, kContextMarker and the character's last phrase to the user, then
// kEarlierQuestionMarker and the question the user asked before. A short reply such as «why?» is
// so answered in the context it was said in.
void ApplyContextKeywords(Engine& engine);
