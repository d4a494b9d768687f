#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class Query;

// Whether the server's regular expressions accept the pattern.
bool PatternCompiles(Query& db, const QString& pattern);

// A stored rewriting rule: what the pattern matches is replaced by the definite form.
struct PhraseRule {
    QString indefinite, definite;
};

// Finds the rule a rewriting stage applies next: the row that
//   "SELECT * FROM " table " WHERE ? RLIKE indefinite" order " LIMIT 1"
// returns for the subject. The server compiles every stored pattern for every such question, so
// the question carries a filter that the matching rows always pass: a pattern of plain text
// (upper-case letters, digits, blanks and punctuation without meaning to regular expressions)
// matches only where the subject holds it byte for byte, and the few other patterns are named.
// The rows that pass the filter and match are the rows that match, in the same order, so the
// same row comes back. A pattern the server's regular expressions refuse matches nothing
// instead of failing the question for every rule; an empty pattern matches nothing too.
class RuleFinder {
  public:
    // Takes the table's patterns that are not plain text once; the stage asks several times.
    RuleFinder(Query& db, const QString& table, const QString& order);
    std::optional<PhraseRule> find(const QString& subject);

  private:
    // The patterns that are not plain text: read once while the table stays as it was, since the
    // stage asks again for every input.
    struct NamedPatterns {
        QStringList listed;  // compiling patterns that are not plain text
        QStringList broken;  // patterns the server refuses to compile
    };
    static NamedPatterns ReadNamedPatterns(Query& db, const QString& table);

    Query& db_;
    QString table_, order_;
    bool empty_;  // an empty table matches nothing: no question is asked
    QStringList listed_;
    QStringList broken_;
    bool filtered_ = true;
};
