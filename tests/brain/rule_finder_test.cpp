#include "brain/rule_finder.h"

#include "brain/query.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// The finder hands the server only the rules that can match; this compares it with the plain
// question "? RLIKE indefinite" over every rule, on tables where the plain question works.
class RuleFinderEquivalence : public ::testing::Test {
  protected:
    void SetUp() override {
        QStringList patterns;
        // Every plain pattern of up to three letters, so that many rules of one length match.
        for (const QString a : {"A", "B", "C", "Ā"}) {
            patterns << a;
            for (const QString b : {"A", "B", "C", " "}) {
                patterns << a + b;
                for (const QString c : {"A", "B", "C"})
                    patterns << a + b + c;
            }
        }
        patterns << "A.C"
                 << "^B"
                 << "C$"
                 << "A|BB"
                 << "(AB)+C"
                 << "[AB]{2}"
                 << "ab"
                 << "ā"
                 << "b c"
                 << "\\bCA"
                 << "A B?C"
                 << "C\\.";
        // Insertion order decides which of equal rules the server meets first.
        QRandomGenerator random(7);
        for (qsizetype i = patterns.size() - 1; i > 0; --i)
            patterns.swapItemsAt(i, random.bounded(int(i + 1)));
        for (const char* table : {"words_relationship", "words_correction"})
            for (const QString& pattern : std::as_const(patterns))
                brain.db().execute(
                    "INSERT INTO " + QString(table) + " (indefinite, definite) VALUES (?, ?)",
                    {pattern, pattern + "/" + QString::number(random.bounded(9))});
    }

    // The rule the plain question returns, as "indefinite -> definite"; empty for none.
    QString plainAnswer(const QString& table, const QString& order, const QString& subject) {
        Query& db = brain.db();
        if (db.open("SELECT * FROM " + table + " WHERE ? RLIKE indefinite" + order + " LIMIT 1",
                    {subject}) == 0)
            return {};
        return db.field("indefinite") + " -> " + db.field("definite");
    }

    TestBrain brain;
};

TEST_F(RuleFinderEquivalence, FindsTheSameRuleAsThePlainQuestion) {
    const QString letters = QStringLiteral("ABCĀā .abc");
    QRandomGenerator random(11);
    QStringList subjects = {"", " ", "XYZ", "ĀB C", "A.C", "AB C.", "ab c", "BĀ"};
    while (subjects.size() < 400) {
        QString subject;
        for (int length = random.bounded(1, 8); length > 0; --length)
            subject += letters[random.bounded(int(letters.size()))];
        subjects << subject;
    }
    const std::pair<const char*, const char*> tables[] = {
        {"words_relationship", " ORDER BY LENGTH(indefinite) DESC"},
        {"words_correction", ""},
    };
    int found = 0;
    for (const auto& [table, order] : tables) {
        RuleFinder finder(brain.db(), table, order);
        for (const QString& subject : std::as_const(subjects)) {
            const std::optional<PhraseRule> rule = finder.find(subject);
            const QString answer = rule ? rule->indefinite + " -> " + rule->definite : QString();
            EXPECT_EQ(answer, plainAnswer(table, order, subject))
                << table << " «" << subject.toStdString() << "»";
            found += rule.has_value();
        }
    }
    EXPECT_GT(found, 600);  // the comparison is about rules found, not about misses
}

}  // namespace
