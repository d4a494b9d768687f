#pragma once

#include <QString>

// The number of single-character insertions, deletions and substitutions that turn `a` into `b`.
// Response modification and synonym teaching measure how near a taught text is to a known one.
// With a `limit` only distances up to it are worked out exactly: any larger one reads as
// limit + 1, which keeps the work to a band of the table and makes long texts cheap to compare.
int LevenshteinDistance(const QString& a, const QString& b, int limit = -1);
