#pragma once

#include <QString>

class Engine;

// While "Replace Synonyms In Output" is checked, and then for every other line on a fresh draw,
// replaces words of an upper-case answer line by synonyms the brain knows for them, so that the
// character does not always say a thing the same way. System commands and parameters are left
// alone.
QString ReplaceSynonymsInOutput(Engine& engine, QString line);
