#include "answer/answer_lookup.h"
#include "answer/question_pattern.h"
#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class Lookup : public StageFixture {
  protected:
    // Looks the phrase up as a local standard phrase; returns the answer found, empty on a miss.
    QString lookUp(const QString& phrase, int kind = 0) {
        input(phrase, "Owner", kind);
        LookupAnswer(*engine);
        return request().Answered ? request().OutputPhrase : QString();
    }
    bool logged(const QString& line) const { return consoleLines().contains(line); }
};

struct TryCase {
    const char* name;
    const char* category;
    const char* daytime;
    const char* personality;
    const char* hitLine;
};

TEST_F(Lookup, EachTryRelaxesCategoryDaytimeAndPersonalityInTurn) {
    const TryCase cases[] = {
        {"all three", "DEFAULT", "Midday", "NEUTRAL",
         "A.I. > Answer found (match by category, daytime and personality)."},
        {"daytime", "DEFAULT", "Midday", "POSITIVE",
         "A.I. > Answer found (match by category and daytime)."},
        {"personality", "DEFAULT", "Night", "NEUTRAL",
         "A.I. > Answer found (match by category and personality)."},
        {"category", "DEFAULT", "Night", "POSITIVE", "A.I. > Answer found (match by category)."},
        {"other category", "GAMES", "Midday", "NEUTRAL", "A.I. > Answer found (simple match)."},
    };
    for (const bool mwr : {false, true}) {
        for (const TryCase& c : cases) {
            SCOPED_TRACE(QString("%1, mixed words %2").arg(c.name).arg(mwr).toStdString());
            brain.db().execute("DELETE FROM interface_s");
            teach("interface_s", "%HOW%ARE%YOU%", " FINE ", c.category, c.daytime, c.personality);
            settings().enableMixedWordRecognition = mwr;
            EXPECT_EQ(lookUp("HOW ARE YOU"), " FINE ");
            EXPECT_TRUE(logged(c.hitLine));
            EXPECT_EQ(request().MatchedQuestion, "HOW ARE YOU");
            EXPECT_TRUE(request().DatabaseMatch);
            EXPECT_FALSE(request().AdmMatch);
        }
    }
}

TEST_F(Lookup, TheTraceLineGrowsByOneLabelPerMiss) {
    teach("interface_s", "%HOW%ARE%YOU%", " FINE ", "DEFAULT", "Night", "NEUTRAL");
    lookUp("HOW ARE YOU");
    EXPECT_TRUE(
        logged("A.I. > Analysing interface data with MWR (algorithm: A), (algorithm: B), "
               "(algorithm: C)."));
    settings().enableMixedWordRecognition = false;
    settings().enableAdvancedDataMatching = false;
    lookUp("GOOD NIGHT");
    EXPECT_TRUE(
        logged("A.I. > Analysing interface data with STD (algorithm: A), (algorithm: B), "
               "(algorithm: C), (algorithm: D), (algorithm: E)."));
    EXPECT_TRUE(logged("A.I. > Answer not found."));
    EXPECT_FALSE(request().Answered);
}

TEST_F(Lookup, MixedWordRecognitionFindsTheSameWordsInAnyOrder) {
    teach("interface_s", "%YOU%ARE%HOW%", " FINE ");
    EXPECT_EQ(lookUp("HOW ARE YOU"), " FINE ");
    settings().enableMixedWordRecognition = false;
    settings().enableAdvancedDataMatching = false;
    EXPECT_EQ(lookUp("HOW ARE YOU"), "");
}

TEST_F(Lookup, TheInterfaceTableOfTheClassificationIsSearched) {
    teach("interface_q", "%WHAT%TIME%IS%IT%", " NOON ");
    EXPECT_EQ(lookUp("WHAT TIME IS IT"), "");
    input("WHAT TIME IS IT").InputCategory = "interface_q";
    LookupAnswer(*engine);
    EXPECT_EQ(request().OutputPhrase, " NOON ");
}

TEST_F(Lookup, ContextualPhraseFallsBackToItsContextKeywords) {
    teach("interface_s", "%WEATHER%", " LOVELY ");
    // The same words as the contextual phrase: mixed-word matching must not take it.
    teach("interface_s", "%IT%IS%SUNNY%0Y1Z0X1Y%WEATHER%", " WRONG ");
    EXPECT_EQ(lookUp("WEATHER 0Y1Z0X1Y IT IS SUNNY"), " LOVELY ");
    EXPECT_TRUE(logged("A.I. > Changing context matching rules.."));
    EXPECT_TRUE(logged("A.I. > Analysing interface data with MWR + CTXT (algorithm: A)."));
    EXPECT_FALSE(logged("A.I. > Analysing interface data with ADM (algorithm: A)"));
    EXPECT_EQ(request().MatchedQuestion, "WEATHER");
    // The full contextual pattern is what the user said.
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "phrase"),
              "%WEATHER%0Y1Z0X1Y%IT%IS%SUNNY%");
}

TEST_F(Lookup, ContextualPhraseIsFoundWholeInTheFirstPass) {
    teach("interface_s", "%WEATHER%0Y1Z0X1Y%IT%IS%SUNNY%", " WHOLE ");
    teach("interface_s", "%WEATHER%", " KEYWORDS ");
    EXPECT_EQ(lookUp("WEATHER 0Y1Z0X1Y IT IS SUNNY"), " WHOLE ");
    EXPECT_FALSE(logged("A.I. > Changing context matching rules.."));
}

TEST_F(Lookup, ContextualMissIsReportedOnce) {
    EXPECT_EQ(lookUp("WEATHER 0Y1Z0X1Y IT IS SUNNY"), "");
    EXPECT_EQ(consoleLines().count("A.I. > Answer not found."), 1);
}

struct AdmCase {
    const char* name;
    const char* stored;
    const char* category;
    const char* phrase;
    const char* hitLine;  // null: not found
};

TEST_F(Lookup, AdvancedDataMatchingTakesPatternsBothWays) {
    const AdmCase cases[] = {
        {"stored pattern in the phrase", "%WHAT%TIME%", "DEFAULT", "WHAT IS THE TIME NOW",
         "A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"},
        {"same, other category", "%WHAT%TIME%", "GAMES", "WHAT IS THE TIME NOW",
         "A.I. > Answer found with ADM (algorithm: B). Answer efficiency: 5% - 30%"},
        {"phrase in the stored question", "%WHAT%IS%THE%TIME%NOW%", "DEFAULT", "WHAT TIME",
         "A.I. > Answer found with ADM (algorithm: C). Answer efficiency: 5% - 20%"},
        {"same, other category", "%WHAT%IS%THE%TIME%NOW%", "GAMES", "WHAT TIME",
         "A.I. > Answer found with ADM (algorithm: D). Answer efficiency: 5% - 20%"},
        {"one-word pattern is never used", "%TIME%", "DEFAULT", "WHAT IS THE TIME NOW", nullptr},
        {"one-word phrase is no pattern", "%WHAT%IS%THE%TIME%", "DEFAULT", "TIME", nullptr},
        {"case counts", "%what%time%", "DEFAULT", "WHAT IS THE TIME NOW", nullptr},
        {"words in another order", "%TIME%WHAT%", "DEFAULT", "WHAT IS THE TIME NOW", nullptr},
        {"contextual rows are no candidates", "%WHAT%0Y1Z0X1Y%TIME%", "DEFAULT", "WHAT TIME",
         nullptr},
    };
    for (const AdmCase& c : cases) {
        SCOPED_TRACE(c.name);
        brain.db().execute("DELETE FROM interface_s");
        teach("interface_s", c.stored, " IT IS NOON ", c.category);
        const QString answer = lookUp(c.phrase);
        if (!c.hitLine) {
            EXPECT_EQ(answer, "");
            continue;
        }
        EXPECT_EQ(answer, " IT IS NOON ");
        EXPECT_TRUE(logged(c.hitLine));
        EXPECT_TRUE(request().AdmMatch);
        EXPECT_EQ(request().MatchedQuestion, QString(c.stored).replace('%', ' ').trimmed());
    }
}

TEST_F(Lookup, AdvancedDataMatchingPrefersTheLongestStoredPattern) {
    teach("interface_s", "%WHAT%TIME%", " SHORT ");
    teach("interface_s", "%WHAT%THE%TIME%", " LONG ");
    EXPECT_EQ(lookUp("WHAT IS THE TIME NOW"), " LONG ");
}

TEST_F(Lookup, AdvancedDataMatchingTraceAndItsSwitches) {
    teach("interface_s", "%WHAT%IS%THE%TIME%NOW%", " NOON ", "GAMES");
    lookUp("WHAT TIME");
    EXPECT_TRUE(
        logged("A.I. > Analysing interface data with ADM (algorithm: A), (algorithm: B), "
               "(algorithm: C), (algorithm: D)."));

    EXPECT_EQ(lookUp("WHAT TIME", 1), "");
    EXPECT_TRUE(logged("A.I. > ADM is not allowed on public messages."));
    settings().allowAdmOnPublicMessages = true;
    EXPECT_EQ(lookUp("WHAT TIME", 1), " NOON ");
    EXPECT_TRUE(logged("A.I. > Notice! ADM is allowed on public messages."));

    settings().enableAdvancedDataMatching = false;
    EXPECT_EQ(lookUp("WHAT TIME"), "");
}

TEST_F(Lookup, HitIsKeptAsTheUsersOriginalQuestion) {
    teach("interface_s", "%HELLO%", " HI ");
    lookUp("HELLO");
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "original_question"),
              "HELLO");
    brain.db().execute("UPDATE lastphrase_user SET phrase='HELLO', teacher='', mmas_question='Q'");
    lookUp("HELLO");
    EXPECT_EQ(count("SELECT * FROM lastphrase_user WHERE user=? AND phrase='HELLO' AND "
                    "teacher='NO' AND mmas_question='Q' AND original_question='HELLO' AND "
                    "interface_type='interface_s'",
                    {"Owner"}),
              1);
}

TEST_F(Lookup, NoPhraseMakesAStatementFail) {
    const char* phrases[] = {
        "IT'S \"QUOTED\"",
        "BACK\\SLASH \\",
        "100% _SURE_",
        "A(B [C {D} ^$ .* +? |",
        "(",
        "[",
        "\\",
        "'",
        "%",
        "_ _",
        "C++ IS *FUN*",
        "WHAT ? ! ,",
        "ĀBOLS ŠĶIRNE",
        "DROP TABLE X; --",
    };
    for (const char* phrase : phrases) {
        SCOPED_TRACE(phrase);
        // Exact matching finds any stored phrase; the other tries may take its characters as
        // patterns, but never fail.
        settings().enableMixedWordRecognition = false;
        teach("interface_s", QuestionPattern(phrase), " STORED ");
        EXPECT_NO_THROW(lookUp(phrase));
        EXPECT_EQ(request().OutputPhrase, " STORED ");
        brain.db().execute("DELETE FROM interface_s");
        for (const bool mwr : {false, true}) {
            settings().enableMixedWordRecognition = mwr;
            EXPECT_NO_THROW(lookUp(phrase));
            EXPECT_NO_THROW(lookUp(QString(phrase) + " 0Y1Z0X1Y " + phrase));
        }
    }
    EXPECT_EQ(count("SELECT * FROM interface_s"), 0);
}

}  // namespace
