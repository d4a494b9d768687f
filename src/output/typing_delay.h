#pragma once

#include <QString>

// How long a person would take to type `line`: D = 40 ms a character, plus `jitter` (0 to 19 ms),
// plus 10 ms for a question; then one wait per character, the first D and each further one the
// one before divided by 1, 2, 3 ... (D, D, D/2, D/6 ...), so about 2.7 times D. No wait for an
// empty line.
int TypingDelayMs(const QString& line, int jitter);
