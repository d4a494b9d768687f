#pragma once

class Engine;

// Folds runs of one letter in the phrase to two letters («HMMMM» becomes «HMM»); a message that
// only named the character, and is empty by now, becomes "HIGHLIGHTED".
void FoldLetterRuns(Engine& engine);
// Turns the Latvian letter pairs of the upper-case phrase into Latvian letters («SHODIEN»
// becomes «ŠODIEN»).
void LatvianTranslate(Engine& engine);
// Turns the Latvian letter pairs of the received text into Latvian letters, keeping its letter
// case («shodien» becomes «šodien»).
void FoldLatvianInput(Engine& engine);
