#include "typing_delay.h"

#include <algorithm>
#include <limits>

int TypingDelayMs(const QString& line, int jitter) {
    const qsizetype length = line.size();
    qint64 wait = 40 * length + jitter + (line.contains('?') ? 10 : 0);
    qint64 total = 0;
    for (qsizetype character = 0; character < length && wait > 0; ++character) {
        if (character > 0) wait /= character;
        total += wait;
    }
    return int(std::min<qint64>(total, std::numeric_limits<int>::max()));
}
