#pragma once

#include <QString>

// The 1-based position of `needle` in `haystack`, ignoring letter case; 0 when absent or when
// the needle is empty.
inline qsizetype Contains(const QString& haystack, const QString& needle) {
    if (needle.isEmpty()) return 0;
    return haystack.toUpper().indexOf(needle.toUpper()) + 1;
}
