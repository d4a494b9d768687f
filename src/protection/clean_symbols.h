#pragma once

#include <QString>

// Blanks out punctuation so that only words remain for the bad-word tests, deletes apostrophes
// and squeezes the runs of blanks that this leaves.
QString CleanSymbols(const QString& text);
