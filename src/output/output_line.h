#pragma once

#include <QString>

class Engine;

// Prepares one lower-cased answer line for `addressee` (a plain nick) as people read it: the
// event marker removed, links kept whole, sentences capitalised, placeholders filled, Latvian
// commas, tidy punctuation, case-sensitive words in their taught case and, unless "Latvian Symbol
// Conversion" is checked, Latvian letters written as letter pairs.
QString PrepareOutputLine(Engine& engine, QString line, const QString& addressee);
