#pragma once

class Engine;

// Turns the tokenised phrase into the normalised phrase the brain is searched and taught with:
// upper-case words separated by single blanks, no punctuation but the apostrophe, bracket
// commands and the teaching symbols, letter runs folded, Latvian letter pairs turned into
// letters in Latvian mode, a link put back untouched. Keeps the same normalisation without
// the folding and the Latvian letters as the unfolded copy.
void SmartInputCorrection(Engine& engine);
