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
    EXPECT_EQ(index->candidates(unknown, true, true), QList<quint32>{});
    EXPECT_EQ(index->candidates(unknown, false, false), std::nullopt);
    EXPECT_EQ(index->candidates(QuestionPattern(QString(600, 'X') + " YOU"), false, true),
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
