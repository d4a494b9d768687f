#include "answer/context_keywords.h"
#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class ContextKeywords : public StageFixture {
  protected:
    void keywords(const QString& stored) {
        brain.db().execute("INSERT INTO words_context (context_words) VALUES (?)", {stored});
    }
    // What the character said last to Anna and what she asked before.
    void dialogue(const QString& said, const QString& asked = {}) {
        brain.db().execute("INSERT INTO lastphrase_ai (user, phrase) VALUES (?, ?)",
                           {EncodeNick("Anna"), said});
        if (asked.isEmpty()) return;
        brain.db().execute(
            "INSERT INTO lastphrase_user (user, phrase, mmas_question, mmas_answer, "
            "original_question) VALUES (?, '', '', '', ?)",
            {EncodeNick("Anna"), asked});
    }
    QString apply(const QString& phrase) {
        input(phrase, "Anna", TargetKind::Private);
        ApplyContextKeywords(*engine);
        return request().WorkPhrase;
    }
    bool logged(const QString& line) const { return consoleLines().contains(line); }
};

TEST_F(ContextKeywords, AStoredKeywordSetBecomesAContextualPhraseWithItsDepth) {
    keywords(" WEATHER ");
    dialogue("It is sunny # see you", "how are you");
    const QString contextual = "WEATHER 0Y1Z0X1Y IT IS SUNNY 1Y0Z1X0Y HOW ARE YOU";
    EXPECT_EQ(apply("WEATHER"), contextual);
    EXPECT_TRUE(logged("A.I. > Context keyword(s) found: \"weather\"."));
    EXPECT_TRUE(
        logged(QString("A.I. > Context deepth is 2 phrases (%1 symbols).").arg(contextual.size())));
    EXPECT_EQ(apply("WEATHER?"), contextual);
}

TEST_F(ContextKeywords, WithoutTheUsersQuestionThePhraseEndsAfterTheLastAnswer) {
    keywords(" WHY ");
    dialogue("because");
    EXPECT_EQ(apply("WHY"), "WHY 0Y1Z0X1Y BECAUSE");
    EXPECT_FALSE(consoleLines().join('\n').contains("deepth"));
}

TEST_F(ContextKeywords, PhrasesThatAreNoStoredSetStayAsTheyAre) {
    keywords(" WEATHER NICE ");
    keywords(" WHY ");
    dialogue("because", "tell me");
    const std::tuple<const char*, bool, const char*, const char*> cases[] = {
        {"NICE WEATHER", false, "NICE WEATHER", "A.I. > Context keyword(s) not found."},
        {"WHY NOT", false, "WHY NOT", "A.I. > Context keyword(s) not found."},
        {"[POSITIVE] NICE", false, "[POSITIVE] NICE", ""},
        // a word that is no regular expression finds nothing
        {"NICE WEATHE(", true, "NICE WEATHE(", "A.I. > Context keyword(s) not found."},
    };
    for (const auto& [phrase, mixed, expected, line] : cases) {
        settings().enableMixedWordRecognition = mixed;
        EXPECT_EQ(apply(phrase), expected) << phrase;
        // A bracket command is not even looked up.
        EXPECT_EQ(logged("A.I. > Context keyword(s) not found."), *line != 0) << phrase;
    }
}

TEST_F(ContextKeywords, MixedWordRecognitionTakesTheKeywordsInAnyOrder) {
    keywords(" WEATHER NICE ");
    dialogue("sunny", "what now");
    settings().enableMixedWordRecognition = true;
    EXPECT_EQ(apply("NICE WEATHER"), "WEATHER NICE 0Y1Z0X1Y SUNNY 1Y0Z1X0Y WHAT NOW");
}

TEST_F(ContextKeywords, ANewUserHasNoContext) {
    keywords(" WHY ");
    EXPECT_EQ(apply("WHY"), "WHY");
    EXPECT_TRUE(logged("A.I. > Context keyword(s) not found."));
}

TEST_F(ContextKeywords, SkipContextDropsTheTagAndTheLookup) {
    keywords(" WHY ");
    dialogue("because", "tell me");
    EXPECT_EQ(apply("WHY ?[SKIPCONTEXT]"), "WHY?");
    EXPECT_FALSE(logged("A.I. > Context keyword(s) not found."));
}

TEST_F(ContextKeywords, CommandsCarriedInFromStoredPhrasesAreNeutralisedAndEventAnswersCut) {
    keywords(" WHY ");
    dialogue("[ERASE] this and [POSITIVE] that [ERASE]", "[NEGATIVE] question");
    EXPECT_EQ(apply("WHY"),
              "WHY 0Y1Z0X1Y [XYERASE] THIS AND [XYPOSITIVE] THAT [XYERASE] 1Y0Z1X0Y "
              "[XYNEGATIVE] QUESTION");

    brain.db().execute("DELETE FROM lastphrase_ai");
    dialogue("good morning [SYSMSG]");
    const QString cut = "WHY 0Y1Z0X1Y GOOD MORNING [XYSYSMSG]";
    EXPECT_EQ(apply("WHY"), cut);
    EXPECT_TRUE(
        logged(QString("A.I. > Context deepth is 2 phrases (%1 symbols).").arg(cut.size())));
}

}  // namespace
