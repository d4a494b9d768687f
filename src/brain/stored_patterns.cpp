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
    // Equal under the collation, for text of printable ASCII: the same after upper-casing and
    // dropping trailing blanks (the collation pads with blanks).
    QSet<QString> asciiWords;
    bool otherWords = false;
    QSet<qsizetype> lengths;
    bool empty = true;
};

bool IsPrintableAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    return true;
}

QString Padless(QString text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

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
        if (IsPrintableAscii(upper))
            copy.asciiWords.insert(Padless(upper));
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
    if (copy->otherWords || !IsPrintableAscii(subject)) return true;
    return copy->asciiWords.contains(Padless(subject.toUpper()));
}

bool StoredLengthMayBe(Query& db, const QString& table, const QString& column, qsizetype length) {
    const std::optional<ColumnCopy> copy = Copy(db, table, column);
    return !copy || copy->lengths.contains(length);
}
