#include "teach/teach_fixture.h"

#include "engine/levenshtein.h"

#include <gtest/gtest.h>

namespace {

class Modification : public TeachFixture {
  protected:
    // Anna asked HELLO and was given `said`, which the brain holds as the answer to it.
    void answered(const QString& said, const QString& stored) {
        brain.db().execute("DELETE FROM interface_s");
        brain.db().execute("DELETE FROM lastphrase_user");
        lastPhrase("HELLO");
        teach("interface_s", "%HELLO%", stored);
        engine->state.stores.userVariables(kNick).lastAnswer = said;
    }
    QStringList answers() {
        QStringList found;
        Query& db = brain.db();
        db.open("SELECT * FROM interface_s ORDER BY `index`");
        for (db.first(); !db.eof(); db.next())
            found << db.field("answer");
        return found;
    }
};

TEST_F(Modification, ANearRepeatReplacesTheLineItIsNearTo) {
    answered(" HI THERE , FRIEND ! # AND YOU ? ", " HI THERE , FRIEND ! # AND YOU ? ");
    command("#hi there, freind!");
    EXPECT_EQ(answers(), QStringList{" HI THERE , FREIND ! # AND YOU ? "});
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - Modified"});
    EXPECT_TRUE(handled());
    EXPECT_TRUE(consoleLines().contains("A.I. > Response modified."));
    EXPECT_FALSE(consoleLines().contains("A.I. > Learned new response."));
    EXPECT_EQ(engine->state.stores.userVariables(kNick).lastAnswer,
              " HI THERE , FREIND ! # AND YOU ? ");
    // The teaching was counted, and nothing was learned besides.
    EXPECT_EQ(value("SELECT * FROM users_stats WHERE user=?", {kNick}, "teached_count"), "1");
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {kNick}, "teacher"), "NO");
}

// The number of edits that still count as the same line grows with the length of the taught text.
TEST_F(Modification, TheAllowedEditsGrowWithTheLengthOfTheTaughtText) {
    const struct {
        int length;
        int allowed;
    } cases[] = {{4, 0}, {5, 1}, {9, 1}, {10, 2}, {49, 2}, {50, 3}, {100, 4}, {150, 5}, {400, 5}};
    for (const auto& c : cases) {
        for (const int edits : {c.allowed, c.allowed + 1}) {
            if (edits == 0) continue;  // the same answer again is no modification
            SCOPED_TRACE(QString("length %1, %2 edits").arg(c.length).arg(edits).toStdString());
            const QString taught(c.length, 'A');
            const QString said = QString(edits, 'B') + QString(c.length - edits, 'A');
            answered(said, ' ' + said + ' ');
            command('#' + taught);
            if (edits <= c.allowed) {
                EXPECT_EQ(answers(), QStringList{' ' + taught + ' '});
            } else {
                EXPECT_EQ(answers(), QStringList({' ' + said + ' ', ' ' + taught + ' '}));
            }
        }
    }
}

TEST_F(Modification, OnlyTheRowOfTheQuestionIsChangedAndEveryEntryOfTheUserIsTried) {
    answered(" SEE YOU ", " GOOD DAY ");
    teach("interface_s", "%BYE%", " GOOD DAY ");
    // A second entry of the same nick, as a nick change leaves behind.
    TUserVariables second;
    second.nick = kNick;
    second.lastAnswer = " GOOD DAY ";
    engine->state.stores.UserVarStore.append(second);
    command("#GOOD DAI");
    EXPECT_EQ(answers(), QStringList({" GOOD DAI ", " GOOD DAY "}));
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - Modified"});
}

TEST(Levenshtein, CountsInsertionsDeletionsAndSubstitutions) {
    const struct {
        const char* a;
        const char* b;
        int distance;
    } cases[] = {
        {"", "", 0},
        {"", "ABC", 3},
        {"ABC", "", 3},
        {"KITTEN", "SITTING", 3},
        {"FLAW", "LAWN", 2},
        {"FRIEND", "FREIND", 2},
        {"ĀBOLS", "ABOLS", 1},
        {"SAME", "SAME", 0},
        {"ABCDEF", "FEDCBA", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString("%1 / %2").arg(c.a, c.b).toStdString());
        EXPECT_EQ(LevenshteinDistance(c.a, c.b), c.distance);
        EXPECT_EQ(LevenshteinDistance(c.b, c.a), c.distance);
        // With a limit, distances up to it are exact and larger ones read as limit + 1.
        for (int limit = 0; limit <= 7; ++limit)
            EXPECT_EQ(LevenshteinDistance(c.a, c.b, limit), std::min(c.distance, limit + 1))
                << "limit " << limit;
    }
}

}  // namespace
