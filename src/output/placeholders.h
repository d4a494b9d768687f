#pragma once

#include <QString>

class Engine;

// Fills the placeholders of the message language in a lower-cased line for `addressee` (a plain
// nick): the counts of the brain, the nicks, date and time, and what the addressee's record
// remembers. Unknown placeholders stay as they are.
void FillPlaceholders(Engine& engine, QString& line, const QString& addressee);
