#include "system_patterns.h"

#include "query.h"
#include "stored_patterns.h"

#include <QList>

namespace {

// What a character of the spelt text that is no blank stands for.
enum class Spelling : char { Itself, Bracket, SecondLetter };

struct SpeltText {
    QString text;
    // One entry per character of `text` that is not a blank, in order. Padding only adds blanks,
    // so the entries still line up with the padded text.
    QList<Spelling> roles;
    QList<QChar> brackets;  // the bracket of each Spelling::Bracket entry, in order
};

SpeltText SpellBrackets(const QString& text) {
    SpeltText spelt;
    for (const QChar c : text) {
        if (c == u'[' || c == u']') {
            spelt.text += c == u'[' ? u"XX" : u"YY";
            spelt.roles << Spelling::Bracket << Spelling::SecondLetter;
            spelt.brackets << c;
        } else {
            spelt.text += c;
            if (c != u' ') spelt.roles << Spelling::Itself;
        }
    }
    return spelt;
}

QString UnspellBrackets(const SpeltText& spelt) {
    QString text;
    qsizetype role = 0, bracket = 0;
    for (const QChar c : spelt.text) {
        const Spelling kind =
            c == u' ' || role >= spelt.roles.size() ? Spelling::Itself : spelt.roles[role++];
        if (kind == Spelling::Itself) text += c;
        if (kind == Spelling::Bracket) text += spelt.brackets[bracket++];
    }
    return text;
}

bool MatchesStored(Query& db, const QString& table, const QString& column, const QString& spelt) {
    return StoredPatternMayMatch(db, table, column, spelt) &&
           db.open("SELECT * FROM " + table + " WHERE ? RLIKE UPPER(" + column + ") LIMIT 1",
                   {spelt}) > 0;
}

}  // namespace

QString BracketsSpelled(const QString& text) {
    return text.toUpper().replace(u'[', QStringLiteral("XX")).replace(u']', QStringLiteral("YY"));
}

bool MatchesSystemCommand(Query& db, const QString& spelt) {
    return MatchesStored(db, QStringLiteral("system_commands"), QStringLiteral("command"), spelt);
}

bool MatchesSystemParameter(Query& db, const QString& spelt) {
    return MatchesStored(db, QStringLiteral("system_parameters"), QStringLiteral("parameter"),
                         spelt);
}

void PadStoredPatterns(Query& db, QString& text, const QString& table, const QString& column) {
    const qint64 rows = db.catalogue().rowCount(table);
    const QString find =
        QStringLiteral("SELECT * FROM %1 WHERE ? RLIKE UPPER(%2) LIMIT 1").arg(table, column);
    SpeltText spelt = SpellBrackets(text);
    // The brain is asked about what is not padded yet, so that the next question finds the next
    // pattern instead of the one just handled.
    QString unpadded = spelt.text;
    for (qint64 round = 0; round < rows; ++round) {
        if (!StoredPatternMayMatch(db, table, column, unpadded) || db.open(find, {unpadded}) == 0)
            break;
        const QString pattern = db.field(column);
        const QString before = unpadded;
        unpadded.remove(pattern, Qt::CaseInsensitive);
        if (pattern.isEmpty() || unpadded == before) break;
        spelt.text.replace(pattern, ' ' + pattern + ' ', Qt::CaseInsensitive);
    }
    text = UnspellBrackets(spelt);
}
