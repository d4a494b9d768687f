#pragma once

class Engine;

// «left<>right» erases a taught synonym, word correction or command synonym, and undoes what its
// teaching changed in the stored data.
void EraseSynonym(Engine& engine);
// «left=right» teaches that the left side means the right side: a phrase synonym, a command
// synonym, a word synonym or a word correction, and carries it into the stored data.
void TeachSynonym(Engine& engine);
