#pragma once

#include <QStringList>
#include <QVariantList>

// The marks of "IN (...)" for `values`, which are padded with their first value to a power of
// two: a list that differs in length from input to input then makes only a few statement texts,
// each prepared once, instead of filling the statement cache. `values` must not be empty.
inline QString PaddedValueMarks(QVariantList& values) {
    qsizetype size = 1;
    while (size < values.size())
        size *= 2;
    const QVariant first = values.first();
    while (values.size() < size)
        values << first;
    QStringList marks;
    marks.fill(QStringLiteral("?"), size);
    return marks.join(QStringLiteral(", "));
}
