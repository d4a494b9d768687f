#pragma once

#include <QString>

class Engine;

// Writes the words and word groups that users taught as case-sensitive ("iPod", "New York") in
// their taught case.
void RestoreCaseSensitiveWords(Engine& engine, QString& line);
