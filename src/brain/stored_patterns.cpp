#include "stored_patterns.h"

#include "plain_text.h"
#include "query.h"

#include <QSet>
#include <QStringList>

#include <optional>

namespace {

struct ColumnCopy {
    QStringList plainPatterns;  // upper-cased as the server does it
    bool otherPatterns = false;
    // The collation keys of the words that have one.
    QSet<QString> asciiWords;
    bool otherWords = false;
    QSet<qsizetype> lengths;
    bool empty = true;
};

ColumnCopy ReadColumn(Query& db, const QString& table, const QString& column) {
    ColumnCopy copy;
    db.open(
        QStringLiteral("SELECT UPPER(%1) AS upper_value, CHAR_LENGTH(%1) AS code_points FROM %2")
            .arg(column, table));
    for (db.first(); !db.eof(); db.next()) {
        copy.empty = false;
        const QString upper = db.field("upper_value");
        if (IsPlainPattern(upper))
            copy.plainPatterns << upper;
        else
            copy.otherPatterns = true;
        if (const std::optional<QString> key = CollationKey(upper))
            copy.asciiWords.insert(*key);
        else
            copy.otherWords = true;
        copy.lengths.insert(db.field("code_points").toLongLong());
    }
    return copy;
}

std::optional<ColumnCopy> Copy(Query& db, const QString& table, const QString& column) {
    return db.catalogue().kept<ColumnCopy>(table, "column " + column,
                                           [&] { return ReadColumn(db, table, column); });
}

}  // namespace

bool StoredPatternMayMatch(Query& db, const QString& table, const QString& column,
                           const QString& subject) {
    const std::optional<ColumnCopy> copy = Copy(db, table, column);
    if (!copy) return true;
    if (copy->empty) return false;
    if (copy->otherPatterns || !SubjectFitsPlainMatching(subject)) return true;
    for (const QString& pattern : copy->plainPatterns)
        if (subject.contains(pattern)) return true;
    return false;
}

bool StoredWordMayEqual(Query& db, const QString& table, const QString& column,
                        const QString& subject) {
    const std::optional<ColumnCopy> copy = Copy(db, table, column);
    if (!copy) return true;
    if (copy->empty) return false;
    if (copy->otherWords) return true;
    const std::optional<QString> key = CollationKey(subject);
    return !key || copy->asciiWords.contains(*key);
}

bool StoredLengthMayBe(Query& db, const QString& table, const QString& column, qsizetype length) {
    const std::optional<ColumnCopy> copy = Copy(db, table, column);
    return !copy || copy->lengths.contains(length);
}
