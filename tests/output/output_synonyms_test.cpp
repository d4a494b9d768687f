#include "output/output_synonyms.h"
#include "output/system_parameters.h"
#include "output/typing_delay.h"

#include "output_fixture.h"

#include <gtest/gtest.h>

namespace {

class OutputSynonyms : public OutputFixture {
  protected:
    OutputSynonyms() {
        engine->state.settings.replaceSynonymsInOutput = true;
        synonym("HEY", "HI");
        synonym("GREETINGS", "HELLO");
    }
    void synonym(const QString& indefinite, const QString& definite) {
        brain.db().execute(
            "INSERT INTO words_relationship (`indefinite`, `definite`, `owner`) VALUES (?, ?, ?)",
            {indefinite, definite, "OWNER"});
    }
};

TEST_F(OutputSynonyms, ReplaceWholeWordsOnEveryOtherDraw) {
    struct Case {
        const char* line;
        int draw;
        const char* said;
    };
    const Case cases[] = {
        {"HELLO THERE, HI!", 0, "GREETINGS THERE, HEY!"},
        {"THIS IS HI", 0, "THIS IS HEY"},
        {"HELLO", 0, "GREETINGS"},
        {"HELLO THERE", 1, "HELLO THERE"},
        {"[USERNICK] HELLO", 0, "[USERNICK] GREETINGS"},
    };
    for (const Case& c : cases) {
        fakes.random.next = {c.draw};
        EXPECT_EQ(ReplaceSynonymsInOutput(*engine, c.line), c.said) << c.line;
    }
    engine->state.settings.replaceSynonymsInOutput = false;
    EXPECT_EQ(ReplaceSynonymsInOutput(*engine, "HELLO"), "HELLO");
}

TEST_F(OutputSynonyms, ReservedWordsKeepTheirForm) {
    synonym("SOMEBODY", "[USERNICK]");
    fakes.random.next = {0};
    EXPECT_EQ(ReplaceSynonymsInOutput(*engine, "[USERNICK] HI"), "[USERNICK] HEY");
}

TEST_F(OutputSynonyms, PaddingSetsSystemParametersApart) {
    struct Case {
        const char* line;
        const char* padded;
    };
    const Case cases[] = {
        {"HI [USERNICK],[DATE]", " HI   [USERNICK] , [DATE]  "},
        {"PLAIN WORDS", " PLAIN  WORDS "},
        {"[STOPLONELY]", " [STOPLONELY] "},
        {"SAYYY XXL", " SAYYY  XXL "},
        {"[TIME]XXL", "  [TIME] XXL "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PadSystemParameters(*engine, c.line), c.padded) << c.line;
}

TEST(TypingDelay, GrowsWithTheLineAndEnds) {
    EXPECT_EQ(TypingDelayMs("", 7), 0);
    EXPECT_EQ(TypingDelayMs("a", 0), 40);
    EXPECT_EQ(TypingDelayMs("ab", 0), 80 + 80);
    EXPECT_EQ(TypingDelayMs("abc", 5), 125 + 125 + 62);
    EXPECT_EQ(TypingDelayMs("ab?", 0), 130 + 130 + 65) << "a question takes 10 ms more";
    const QString fifty(50, 'x');
    EXPECT_EQ(TypingDelayMs(fifty, 0), 2000 + 2000 + 1000 + 333 + 83 + 16 + 2)
        << "about 2.7 times D";
}

}  // namespace
