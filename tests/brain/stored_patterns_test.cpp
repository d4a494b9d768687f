#include "brain/stored_patterns.h"
#include "brain/plain_text.h"
#include "brain/query.h"
#include "brain/tables.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(PlainText, OnlyCharactersWithoutCaseTwinsOutsideThePlainSetFitPlainMatching) {
    const std::pair<const char*, bool> cases[] = {
        {"HELLO THERE", true}, {"ĀČĒ", true}, {"(A.B)?", true},
        {"hello", false},      {"ā", false},  {"\u212A", false},  // the Kelvin sign matches K
    };
    for (const auto& [subject, fits] : cases)
        EXPECT_EQ(SubjectFitsPlainMatching(QString::fromUtf8(subject)), fits) << subject;
}

// Stored values that make case-blind matching and comparison awkward, and subjects to try them
// on: a "no" from the copy must never be a row the server's own question finds.
const char* const kStoredValues[] = {
    "HELLO", "XXERASEYY", "hello there", "ĀBOLS", "straße", "\u212AELVIN", "ſUN",        "A.C",
    "^B",    "C$",        "(AB)+C",      "[XY]",  "",       " ",           "TRAILING  ", "é",
    "ÉCOLE", "😀",         "50%",         "A_B",
};
const char* const kSubjects[] = {
    "HELLO",    "hello",       "SAY HELLO NOW", "XXERASEYY",
    "XXERASEY", "HELLO THERE", "hello there ",  "ĀBOLS",
    "ābols",    "ABOLS",       "STRASSE",       "STRAßE",
    "KELVIN",   "SUN",         "ABC",           "AXC",
    "BAD",      "TIC",         "ABABC",         "X",
    "",         " ",           "TRAILING",      "TRAILING ",
    "E",        "É",           "ECOLE",         "😀",
    "50%",      "A_B",         "AZB",           "NOTHING AT ALL",
    "ÉCOLE ",
};

class StoredCopies : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* value : kStoredValues) {
            db.execute("INSERT INTO words_positive (positive) VALUES (?)",
                       {QString::fromUtf8(value)});
            db.execute("INSERT INTO system_commands (command) VALUES (?)",
                       {QString::fromUtf8(value)});
        }
    }

    bool serverFinds(const QString& condition, const QString& subject) {
        return db.open("SELECT * FROM words_positive WHERE " + condition + " LIMIT 1", {subject}) >
               0;
    }

    TestBrain brain;
    Query& db = brain.db();
};

TEST_F(StoredCopies, SayNoOnlyWhereTheServerFindsNothing) {
    for (const char* text : kSubjects) {
        const QString subject = QString::fromUtf8(text);
        const bool mayMatch = StoredPatternMayMatch(db, "words_positive", "positive", subject);
        const bool mayEqual = StoredWordMayEqual(db, "words_positive", "positive", subject);
        const bool mayBeLong =
            StoredLengthMayBe(db, "words_positive", "positive", subject.toUcs4().size());
        if (serverFinds("? RLIKE positive", subject) ||
            serverFinds("? RLIKE UPPER(positive)", subject)) {
            EXPECT_TRUE(mayMatch) << subject.toStdString();
        }
        if (serverFinds("? = positive", subject) || serverFinds("? = UPPER(positive)", subject)) {
            EXPECT_TRUE(mayEqual) << subject.toStdString();
        }
        if (serverFinds("CHAR_LENGTH(positive) = CHAR_LENGTH(?)", subject)) {
            EXPECT_TRUE(mayBeLong) << subject.toStdString();
        }
    }
}

TEST_F(StoredCopies, PlainPatternsAndAsciiWordsLetTheCopyAnswerNo) {
    for (const char* value : {"HELLO", "XXERASEYY", "50%", "A_B", "TRAILING  "})
        db.execute("INSERT INTO words_negative (negative) VALUES (?)", {QString(value)});
    const std::tuple<const char*, bool, bool> cases[] = {
        // subject, may match, may equal
        {"SAY HELLO NOW", true, false},   {"HELLO", true, true},       {"hello", true, true},
        {"NOTHING AT ALL", false, false}, {"AZB", false, false},       {"A_B ", true, true},
        {"TRAILING", false, true},        {"ĀBOLS ZAĻI", false, true}, {"ÉCOLE", false, true},
    };
    for (const auto& [text, mayMatch, mayEqual] : cases) {
        const QString subject = QString::fromUtf8(text);
        EXPECT_EQ(StoredPatternMayMatch(db, "words_negative", "negative", subject), mayMatch)
            << text;
        EXPECT_EQ(StoredWordMayEqual(db, "words_negative", "negative", subject), mayEqual) << text;
        const bool serverMatches =
            db.open("SELECT * FROM words_negative WHERE ? RLIKE negative LIMIT 1", {subject}) > 0;
        const bool serverEquals =
            db.open("SELECT * FROM words_negative WHERE ? = negative LIMIT 1", {subject}) > 0;
        EXPECT_TRUE(mayMatch || !serverMatches) << text;
        EXPECT_TRUE(mayEqual || !serverEquals) << text;
    }
}

TEST_F(StoredCopies, FollowEveryChangeOfTheTable) {
    const auto mayMatch = [&] {
        return StoredPatternMayMatch(db, "words_negative", "negative", "I HATE THAT");
    };
    EXPECT_FALSE(mayMatch());  // empty
    db.execute("INSERT INTO words_negative (negative) VALUES ('LOVE')");
    EXPECT_FALSE(mayMatch());
    db.execute("UPDATE words_negative SET negative = 'HATE'");
    EXPECT_TRUE(mayMatch());

    // Another connection's write is seen once the catalogue is read again, as every cycle does.
    Query other(brain.config());
    other.execute("UPDATE words_negative SET negative = 'DISLIKE'");
    db.catalogue().read();
    EXPECT_FALSE(mayMatch());

    // Without a live checksum a change could go unnoticed: every answer is "maybe".
    db.execute("ALTER TABLE words_negative CHECKSUM=0");
    EXPECT_TRUE(mayMatch());
}

// Other connections' writes are seen within a second, whether the table was asked about in
// that second (read again with the others asked about) or not (read alone when asked).
TEST(Catalogue, AnotherConnectionsChangesAreSeenWithinASecond) {
    TestBrain brain;
    Query& db = brain.db();
    db.execute("CREATE TABLE dropped_elsewhere (id INT) ENGINE=Aria");
    Catalogue& catalogue = db.catalogue();
    catalogue.read();
    const std::optional<TableState> asked = catalogue.state("words_negative");
    const std::optional<TableState> notAsked = catalogue.state("words_positive");
    ASSERT_TRUE(catalogue.state("dropped_elsewhere"));
    QThread::msleep(1100);
    catalogue.state("words_negative");  // the others are no longer trusted now
    Query other(brain.config());
    other.execute("INSERT INTO words_negative (negative) VALUES ('SAD')");
    other.execute("INSERT INTO words_positive (positive) VALUES ('GLAD')");
    other.execute("DROP TABLE dropped_elsewhere");
    QThread::msleep(1100);
    EXPECT_NE(catalogue.state("words_negative"), asked);
    EXPECT_NE(catalogue.state("words_positive"), notAsked);
    EXPECT_FALSE(catalogue.state("dropped_elsewhere"));
    EXPECT_EQ(catalogue.rowCount("words_positive"), 1);
}

TEST(Catalogue, CountsRowsAsTheServerDoes) {
    TestBrain brain;
    Query& db = brain.db();
    db.execute("INSERT INTO words_cs (word) VALUES ('A'), ('B')");
    db.execute("CREATE TABLE counted_elsewhere (id INT) ENGINE=MEMORY");
    db.execute("INSERT INTO counted_elsewhere VALUES (1), (2), (3)");
    db.catalogue().read();
    db.execute("DELETE FROM words_cs WHERE word = 'A'");
    QStringList tables = BrainTables();
    tables << "counted_elsewhere";
    for (const QString& table : tables) {
        const qint64 counted = db.catalogue().rowCount(table);
        db.open("SELECT COUNT(*) AS result FROM " + table);
        EXPECT_EQ(counted, db.field("result").toLongLong()) << table.toStdString();
    }
}

}  // namespace
