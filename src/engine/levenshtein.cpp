#include "levenshtein.h"

#include <QList>

#include <algorithm>

int LevenshteinDistance(const QString& a, const QString& b, int limit) {
    const qsizetype longer = std::max(a.size(), b.size());
    if (limit < 0 || limit > longer) limit = int(longer);
    if (std::abs(a.size() - b.size()) > limit) return limit + 1;
    // One row of the distance table is enough: row i holds the distances of a's first i
    // characters to every prefix of b. Cells further than `limit` from the diagonal are above
    // the limit anyway, so they stay at `beyond` and are never worked out.
    const int beyond = limit + 1;
    QList<int> row(b.size() + 1, beyond);
    for (qsizetype j = 0; j <= std::min<qsizetype>(b.size(), limit); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        const qsizetype first = std::max<qsizetype>(1, i - limit);
        const qsizetype last = std::min<qsizetype>(b.size(), i + limit);
        int diagonal = row[first - 1];
        row[first - 1] = first == 1 ? std::min(int(i), beyond) : beyond;
        int rowMinimum = row[first - 1];
        for (qsizetype j = first; j <= last; ++j) {
            const int above = row[j];
            const int substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitution, beyond});
            rowMinimum = std::min(rowMinimum, row[j]);
            diagonal = above;
        }
        if (rowMinimum >= beyond) return beyond;
    }
    return row[b.size()];
}
