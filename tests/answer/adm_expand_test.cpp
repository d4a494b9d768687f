#include "answer/adm_expand.h"
#include "answer/answer_lookup.h"
#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class AdmExpand : public StageFixture {};

TEST_F(AdmExpand, WidensAStoredOneWordQuestionForAdvancedMatching) {
    teach("interface_s", "%HELLO%", " HI THERE ");
    input("HELLO [ADMEXPAND]");
    ExpandAdmQuestion(*engine);
    EXPECT_EQ(events, QStringList{"On ADM - Expand Question"});
    EXPECT_TRUE(request().AdmExpandAnswered);
    EXPECT_TRUE(request().Answered);
    EXPECT_TRUE(consoleLines().contains("A.I. > Received ADM question expand command."));
    EXPECT_EQ(count("SELECT * FROM interface_s WHERE question='%%HELLO%%'"), 1);

    // Now advanced data matching finds the word inside a longer phrase.
    input("WELL HELLO THERE");
    LookupAnswer(*engine, indexes);
    EXPECT_EQ(request().OutputPhrase, " HI THERE ");
    EXPECT_TRUE(request().AdmMatch);
}

TEST_F(AdmExpand, UnknownOrLongerQuestionChangesNothing) {
    teach("interface_s", "%GOOD%DAY%", " HI ");
    for (const char* phrase : {"GOOD DAY [ADMEXPAND]", "[ADMEXPAND]", "X\" [ADMEXPAND] %"}) {
        input(phrase);
        ExpandAdmQuestion(*engine);
        EXPECT_EQ(events, QStringList{"On ADM - Expand Error"});
        EXPECT_TRUE(request().AdmExpandAnswered);
    }
    EXPECT_EQ(count("SELECT * FROM interface_s WHERE question='%GOOD%DAY%'"), 1);
}

TEST_F(AdmExpand, OtherPhrasesAndTeachingAreLeftAlone) {
    for (const char* phrase : {"HELLO", "#HI [ADMEXPAND]"}) {
        input(phrase);
        ExpandAdmQuestion(*engine);
        EXPECT_TRUE(events.isEmpty());
        EXPECT_FALSE(request().AdmExpandAnswered);
    }
}

}  // namespace
