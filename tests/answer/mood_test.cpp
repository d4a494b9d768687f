#include "answer/mood.h"
#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class Mood : public StageFixture {
  protected:
    void words(const QString& table, const QString& column, const QStringList& values) {
        for (const QString& value : values)
            brain.db().execute("INSERT INTO " + table + " (" + column + ") VALUES (?)", {value});
    }
    void positives(const QStringList& values) { words("words_positive", "positive", values); }
    void negatives(const QStringList& values) { words("words_negative", "negative", values); }
    void score(const QString& nick, int injan) {
        brain.db().execute("INSERT INTO users_personality (user, injan) VALUES (?, ?)",
                           {EncodeNick(nick), QString::number(injan)});
    }
    QString storedScore(const QString& nick) {
        return value("SELECT * FROM users_personality WHERE user=?", {EncodeNick(nick)}, "injan");
    }
    QString judge(const QString& phrase, const QString& nick = "Anna") {
        input(phrase, nick, TargetKind::Private);
        JudgeMood(*engine);
        return request().Personality;
    }
};

TEST_F(Mood, ANewUserStartsNormalAndHisFirstPhraseDoesNotMoveHim) {
    positives({"GREAT"});
    EXPECT_EQ(judge("GREAT DAY"), "Normal");
    EXPECT_EQ(storedScore("Anna"), "0");
    EXPECT_TRUE(consoleLines().contains("A.I. > Users Anna phrase condition: Positive"));
    EXPECT_EQ(judge("GREAT DAY"), "Normal");
    EXPECT_EQ(storedScore("Anna"), "1");
}

TEST_F(Mood, TheScoreStaysWithinItsEnds) {
    positives({"GREAT"});
    negatives({"AWFUL"});
    score("Anna", 15);
    score("Bob", -15);
    EXPECT_EQ(judge("GREAT", "Anna"), "Wery Good");
    EXPECT_EQ(storedScore("Anna"), "15");
    EXPECT_EQ(judge("AWFUL", "Bob"), "Wery Bad");
    EXPECT_EQ(storedScore("Bob"), "-15");
    EXPECT_EQ(judge("AWFUL", "Anna"), "Wery Good");
    EXPECT_EQ(storedScore("Anna"), "14");
}

// A neutral phrase leaves the score as it is, yet a row that reads it in another form, or is
// kept under another spelling of the key, is written back as the score and key of now.
TEST_F(Mood, AnUnmovedScoreIsStillWrittenBackInItsPlainForm) {
    const std::pair<QString, const char*> rows[] = {
        {EncodeNick("Anna"), "03"},
        {EncodeNick("Anna").toUpper(), "3"},
        {EncodeNick("Anna"), "3"},
    };
    for (const auto& [user, injan] : rows) {
        brain.db().execute("DELETE FROM users_personality");
        brain.db().execute("INSERT INTO users_personality (user, injan) VALUES (?, ?)",
                           {user, injan});
        EXPECT_EQ(judge("HELLO"), "Good");
        EXPECT_EQ(value("SELECT * FROM users_personality", {}, "user") + '/' + storedScore("Anna"),
                  EncodeNick("Anna") + "/3")
            << injan;
    }
}

TEST_F(Mood, MorePositiveWordsMoveUpMoreNegativeDownEqualCountsStay) {
    positives({"GREAT", "NICE"});
    negatives({"AWFUL"});
    score("Anna", 3);
    const std::pair<const char*, const char*> phrases[] = {
        {"GREAT AND NICE BUT AWFUL", "4"},
        {"GREAT BUT AWFUL", "4"},
        {"AWFUL", "3"},
        {"AWFUL AWFUL NICE", "2"},
    };
    for (const auto& [phrase, expected] : phrases) {
        judge(phrase);
        EXPECT_EQ(storedScore("Anna"), expected) << phrase;
    }
    EXPECT_TRUE(consoleLines().contains("A.I. > Users Anna phrase condition: Negative"));
}

TEST_F(Mood, CountingStopsWhileThePositiveListOutweighsTheNegative) {
    for (int i = 0; i < 10; ++i)
        positives({QString("GOOD%1").arg(i)});
    for (int i = 0; i < 6; ++i)
        negatives({QString("BAD%1").arg(i)});
    score("Anna", 0);
    judge("GOOD1 GOOD2");
    EXPECT_TRUE(consoleLines().contains("A.I. > Positive and negative definitions not balanced."));
    EXPECT_EQ(storedScore("Anna"), "0");

    brain.db().execute("DELETE FROM words_positive WHERE positive IN ('GOOD7','GOOD8','GOOD9')");
    judge("GOOD1 GOOD2");
    EXPECT_FALSE(consoleLines().contains("A.I. > Positive and negative definitions not balanced."));
    EXPECT_EQ(storedScore("Anna"), "1");
}

TEST_F(Mood, CountsEveryOccurrenceOfAWord) {
    positives({"GREAT", "VERY GOOD"});
    Query& db = brain.db();
    EXPECT_EQ(CountWordListMatches(db, "words_positive", "positive", "GREAT GREAT"), 2);
    EXPECT_EQ(CountWordListMatches(db, "words_positive", "positive", "VERY GOOD AND VERY GOOD"), 2);
    EXPECT_EQ(CountWordListMatches(db, "words_positive", "positive", "NOTHING HERE"), 0);
}

// A pattern that matches text other than its own would never be taken out of the phrase.
TEST_F(Mood, PatternsThatMatchAnythingEndTheCount) {
    const char* patterns[] = {".*", "", "G.EAT", "GREAT|NICE", "^"};
    for (const char* pattern : patterns) {
        brain.db().execute("DELETE FROM words_positive");
        positives({pattern});
        const int count =
            CountWordListMatches(brain.db(), "words_positive", "positive", "GREAT NICE DAY");
        EXPECT_GE(count, 1) << pattern;
        EXPECT_LE(count, 3) << pattern;
    }
    EXPECT_EQ(CountWordListMatches(brain.db(), "words_positive", "positive", ""), 0);

    // A pattern the server cannot read matches nothing.
    brain.db().execute("DELETE FROM words_positive");
    positives({"("});
    EXPECT_EQ(CountWordListMatches(brain.db(), "words_positive", "positive", "GREAT ( DAY"), 0);
}

}  // namespace
