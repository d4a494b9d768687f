#include "answer/interface_index.h"
#include "answer/answer_lookup.h"
#include "answer/lookup_conditions.h"
#include "answer/stage_fixture.h"
#include "brain/question_pattern.h"

#include <gtest/gtest.h>
#include <QSet>

namespace {

// Stored questions that test where a copy made in memory could part from the server: case,
// letters that match ASCII letters case-insensitively, accents, LIKE's own wildcard and escape,
// patterns without leading or trailing "%", context markers, emoji and empty words.
const char16_t* const kQuestions[] = {
    u"%HOW%ARE%YOU%",   u"%how%are%you%",  u"%HÖW%ARE%YOU%",   u"%HOW%ARE%YOU%DOING%",
    u"%ARE%YOU%",       u"%YOU%",          u"%%YOU%%",         u"%CARED%",
    u"%SCARED%OF%YOU%", u"%\u212AEY%",     u"%\u017FO%",       u"%ĀBOLS%",
    u"%ABOLS%",         u"%A_E%YOU%",      u"%A\\%E%YOU%",     u"%%%",
    u"HOW%ARE%",        u"%HOW%ARE",       u"HOW ARE YOU",     u"%WHAT%0Y1Z0X1Y%WHY%",
    u"%😀%SMILE%",       u"%HOW%%ARE%YOU%", u"%HOW%ARE%YOU%?%", u"%İS%IT%",
    u"%ıS%IT%",         u"%ARE%",          u"%E%Y%",           u"%AXE%YOU%",
};

const char16_t* const kPhrases[] = {
    u"HOW ARE YOU",
    u"how are you",
    u"HOW ARE YOU DOING",
    u"ARE YOU",
    u"YOU",
    u"KEY",
    u"SO",
    u"ĀBOLS",
    u"ABOLS",
    u"A_E YOU",
    u"AXE YOU",
    u"A%E YOU",
    u"A\\E YOU",
    u"😀 SMILE",
    u"HOW ARE YOU ?",
    u"WHAT 0Y1Z0X1Y WHY",
    u"CARED",
    u"I AM SCARED OF YOU",
    u"IS IT",
    u"ZZZ",
    u"HÖW ARE YOU",
    u"WELL HOW ARE YOU",
    u"E Y",
    u"\xD800X YOU",
};

class InterfaceCopy : public StageFixture {
  protected:
    InterfaceCopy() {
        for (const char16_t* question : kQuestions)
            teach("interface_s", QString::fromUtf16(question), "ANSWER");
    }
};

TEST_F(InterfaceCopy, NamesEveryRowTheServerFinds) {
    for (const char16_t* phrase : kPhrases) {
        for (const bool mixedWords : {true, false}) {
            const QString text = QString::fromUtf16(phrase);
            SCOPED_TRACE(
                QString("%1, %2").arg(text, mixedWords ? "mixed words" : "ADM").toStdString());
            expectCopyCovers("interface_s", text, mixedWords);
        }
    }
}

// The same questions stored with what a lookup ranks them by: values the server's collation
// takes for the asked ones whatever their case, trailing blanks or accents, and values it does
// not.
class RankedInterfaceCopy : public StageFixture {
  protected:
    RankedInterfaceCopy() {
        const RankingColumns stored[] = {
            {"DEFAULT", "Midday", "NEUTRAL"}, {"default ", "MIDDAY", "neutral"},
            {"DÉFAULT", "Midday", "Bad"},     {"OTHER", "Evening", "NEUTRAL"},
            {"OTHER", "Midday", "Bad"},       {"ĀBOLS", "Night", "Good"},
        };
        for (const RankingColumns& columns : stored)
            for (const char* question :
                 {"%HOW%ARE%YOU%", "%how%are%you%", "%ARE%YOU%", "%HOW%ARE%YOU%DOING%", "%YOU%"})
                teach("interface_s", question, "ANSWER", columns.category, columns.daytime,
                      columns.personality);
    }
};

TEST_F(RankedInterfaceCopy, NeverPutsARowBehindWhereTheServerRanksIt) {
    const RankingColumns asked[] = {
        {"DEFAULT", "Midday", "NEUTRAL"},
        {"OTHER", "Evening", "Bad"},
        {"DÉFAULT", "MIDDAY ", "Good"},
    };
    for (const char* phrase :
         {"HOW ARE YOU", "how are you", "ARE YOU", "HOW ARE YOU DOING", "SO HOW ARE YOU DOING"}) {
        for (const RankingColumns& columns : asked) {
            for (const bool mixedWords : {true, false}) {
                SCOPED_TRACE(QString("%1 as %2/%3/%4, %5")
                                 .arg(phrase, columns.category, columns.daytime,
                                      columns.personality, mixedWords ? "mixed words" : "ADM")
                                 .toStdString());
                expectCopyCovers("interface_s", phrase, mixedWords, columns);
            }
        }
    }
}

// The copy still names the rows this program took away; asked first, they find nothing, and the
// lookup goes on to the rows that are left.
TEST_F(RankedInterfaceCopy, FindsTheRowsLeftWhenTheBestRankedAreGone) {
    settings().enableMixedWordRecognition = true;
    settings().enableAdvancedDataMatching = true;
    for (int i = 0; i < 20; ++i)
        teach("interface_s", "%GOOD%MORNING%", "BEST");
    teach("interface_s", "%GOOD%MORNING%", "LEFT", "OTHER", "Night", "Bad");
    const qint64 reads = indexes.current(brain.db(), "interface_s")->reads();
    brain.db().questionChanges().keepingQuestions(
        "interface_s", "DELETE FROM interface_s WHERE answer = ?", {"BEST"});
    input("GOOD MORNING").Category = "DEFAULT";
    LookupAnswer(*engine, indexes);
    EXPECT_TRUE(request().Answered);
    EXPECT_EQ(request().OutputPhrase, "LEFT");
    EXPECT_EQ(indexes.current(brain.db(), "interface_s")->reads(), reads);
}

// A brain of ordinary questions.
class InterfaceCopyInUse : public StageFixture {
  protected:
    InterfaceCopyInUse() {
        teach("interface_s", "%HOW%ARE%YOU%", "FINE");
        teach("interface_s", "%WHAT%IS%YOUR%NAME%", "TALVANE");
    }
};

TEST_F(InterfaceCopyInUse, NamesNothingForAnUnknownPhraseAndLeavesLongOnesToTheServer) {
    InterfaceIndex* index = indexes.current(brain.db(), "interface_s");
    ASSERT_NE(index, nullptr);
    const QString unknown = QuestionPattern("ZZZ QQQ");
    const auto anyRank = [](const CandidateRow&) { return qint64(0); };
    EXPECT_EQ(index->candidates(unknown, true, true, anyRank), QList<Candidate>{});
    EXPECT_EQ(index->candidates(unknown, false, false, anyRank), std::nullopt);
    EXPECT_EQ(index->candidates(QuestionPattern(QString(600, 'X') + " YOU"), false, true, anyRank),
              std::nullopt);
}

TEST_F(InterfaceCopyInUse, FollowsEveryChangeToTheTable) {
    settings().enableMixedWordRecognition = true;
    settings().enableAdvancedDataMatching = true;
    const auto answer = [this](const QString& phrase) {
        input(phrase);
        LookupAnswer(*engine, indexes);
        return request().Answered ? request().OutputPhrase : QString();
    };
    EXPECT_EQ(answer("GOOD MORNING"), "");
    teach("interface_s", "%GOOD%MORNING%", "MORNING!");
    EXPECT_EQ(answer("GOOD MORNING"), "MORNING!");
    // A rewritten question keeps the row count and the next key.
    brain.db().execute("UPDATE interface_s SET question = '%GOOD%EVENING%' WHERE answer = ?",
                       {"MORNING!"});
    EXPECT_EQ(answer("GOOD MORNING"), "");
    EXPECT_EQ(answer("GOOD EVENING"), "MORNING!");
    // Another program's write is seen once the table states are read again, as every cycle does.
    Query other(brain.config());
    other.execute("UPDATE interface_s SET question = '%GOOD%NIGHT%' WHERE answer = ?",
                  {"MORNING!"});
    brain.db().catalogue().read();
    EXPECT_EQ(answer("GOOD NIGHT"), "MORNING!");
    EXPECT_EQ(answer("GOOD EVENING"), "");
    // A table without a live checksum is searched whole.
    brain.db().execute("ALTER TABLE interface_s CHECKSUM=0");
    EXPECT_EQ(indexes.current(brain.db(), "interface_s"), nullptr);
    brain.db().execute("UPDATE interface_s SET answer = 'EVENING!' WHERE answer = ?", {"MORNING!"});
    EXPECT_EQ(answer("GOOD NIGHT"), "EVENING!");
}

}  // namespace
