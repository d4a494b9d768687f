#pragma once

#include <QString>

// The number of single-character insertions, deletions and substitutions that turn `a` into `b`.
// Response modification and synonym teaching measure how near a taught text is to a known one.
int LevenshteinDistance(const QString& a, const QString& b);
