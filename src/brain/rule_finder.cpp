#include "rule_finder.h"

#include "plain_text.h"
#include "query.h"

#include <QRegularExpression>

namespace {

// Past this many named patterns the question goes without the filter.
constexpr qsizetype kMaxListedPatterns = 1000;

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

RuleFinder::NamedPatterns RuleFinder::ReadNamedPatterns(Query& db, const QString& table) {
    NamedPatterns named;
    db.open("SELECT indefinite FROM " + table + " WHERE indefinite COLLATE utf8mb4_bin RLIKE ?",
            {NotPlainPattern()});
    QSet<QString> seen;
    for (db.first(); !db.eof(); db.next())
        seen.insert(db.field("indefinite"));
    // The local engine is the same family as the server's; only what it refuses is put to the
    // server, whose verdict counts.
    for (const QString& pattern : std::as_const(seen)) {
        const bool compiles = QRegularExpression(pattern).isValid() || PatternCompiles(db, pattern);
        (compiles ? named.listed : named.broken) << pattern;
    }
    return named;
}

RuleFinder::RuleFinder(Query& db, const QString& table, const QString& order)
    : db_(db), table_(table), order_(order), empty_(db.catalogue().rowCount(table) == 0) {
    if (empty_) return;
    std::optional<NamedPatterns> named = db.catalogue().kept<NamedPatterns>(
        table, "named patterns", [&db, &table] { return ReadNamedPatterns(db, table); });
    if (!named) named = ReadNamedPatterns(db, table);
    listed_ = named->listed;
    broken_ = named->broken;
    filtered_ = listed_.size() <= kMaxListedPatterns;
}

std::optional<PhraseRule> RuleFinder::find(const QString& subject) {
    if (empty_) return std::nullopt;
    QString sql = "SELECT * FROM " + table_ + " WHERE ";
    QVariantList params;
    const bool filtered = filtered_ && SubjectFitsPlainMatching(subject);
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
