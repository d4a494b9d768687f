#include "rule_finder.h"

#include "brain/query.h"

#include <QRegularExpression>

namespace {

// Characters that mean nothing special to a regular expression and that case-blind matching
// pairs with no other character of this set. The phrases are upper case.
const QString kPlain =
    QStringLiteral(" !\"#%&',-/0123456789:;<=>@ABCDEFGHIJKLMNOPQRSTUVWXYZ_`~ĀČĒĢĪĶĻŅŠŪŽ");

// Past this many named patterns the question goes without the filter.
constexpr qsizetype kMaxListedPatterns = 1000;

// A regular expression matching any character outside kPlain.
QString NotPlainPattern() {
    QString pattern = QStringLiteral("[^");
    for (const QChar c : kPlain) {
        if (!c.isLetterOrNumber()) pattern += u'\\';
        pattern += c;
    }
    return pattern + u']';
}

QString Placeholders(qsizetype count) {
    QStringList marks;
    marks.fill(QStringLiteral("?"), count);
    return marks.join(QStringLiteral(", "));
}

}  // namespace

bool PatternCompiles(Query& db, const QString& pattern) {
    // A pattern the server refuses fails the question, which the query object reports as no row.
    return db.open("SELECT 1 AS valid FROM DUAL WHERE ('' RLIKE ?) IS NOT NULL", {pattern}) > 0;
}

bool RuleFinder::SubjectFitsFilter(const QString& subject) {
    for (const QChar c : subject)
        if (!kPlain.contains(c) && kPlain.contains(c.toCaseFolded().toUpper())) return false;
    return true;
}

RuleFinder::RuleFinder(Query& db, const QString& table, const QString& order)
    : db_(db), table_(table), order_(order) {
    db_.open("SELECT indefinite FROM " + table_ + " WHERE indefinite COLLATE utf8mb4_bin RLIKE ?",
             {NotPlainPattern()});
    QSet<QString> seen;
    for (db_.first(); !db_.eof(); db_.next())
        seen.insert(db_.field("indefinite"));
    // The local engine is the same family as the server's; only what it refuses is put to the
    // server, whose verdict counts.
    for (const QString& pattern : std::as_const(seen)) {
        const bool compiles =
            QRegularExpression(pattern).isValid() || PatternCompiles(db_, pattern);
        (compiles ? listed_ : broken_) << pattern;
    }
    filtered_ = listed_.size() <= kMaxListedPatterns;
}

std::optional<PhraseRule> RuleFinder::find(const QString& subject) {
    QString sql = "SELECT * FROM " + table_ + " WHERE ";
    QVariantList params;
    const bool filtered = filtered_ && SubjectFitsFilter(subject);
    if (filtered) {
        sql += QStringLiteral("(LOCATE(BINARY indefinite, BINARY ?) > 0");
        params << subject;
        if (!listed_.isEmpty()) {
            sql += " OR indefinite COLLATE utf8mb4_bin IN (" + Placeholders(listed_.size()) + ")";
            for (const QString& pattern : std::as_const(listed_))
                params << pattern;
        }
        sql += QStringLiteral(") AND ");
    }
    sql += QStringLiteral("indefinite <> ''");
    if (!broken_.isEmpty()) {
        sql += " AND indefinite COLLATE utf8mb4_bin NOT IN (" + Placeholders(broken_.size()) + ")";
        for (const QString& pattern : std::as_const(broken_))
            params << pattern;
    }
    sql += " AND ? RLIKE indefinite" + order_ + " LIMIT 1";
    params << subject;
    if (db_.open(sql, params) == 0) return std::nullopt;
    return PhraseRule{db_.field("indefinite"), db_.field("definite")};
}
