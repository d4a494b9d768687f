#include "normalise/smart_correction.h"
#include "phrase_engine.h"

#include <gtest/gtest.h>

namespace {

// A phrase as tokenising leaves it, and what the correction makes of it and of the unfolded
// copy.
struct CorrectionCase {
    const char* tokenised;
    const char* corrected;
    const char* unfolded;
};

void ExpectCorrections(std::initializer_list<CorrectionCase> cases, bool latvian = false) {
    for (const auto& [tokenised, corrected, unfolded] : cases) {
        PhraseEngine e;
        e.settings().latvianLanguageMode = latvian;
        e.request().WorkPhrase = QString::fromUtf8(tokenised);
        e.request().PhraseBeforeCorrection = e.request().WorkPhrase;
        SmartInputCorrection(e.engine);
        EXPECT_EQ(e.request().WorkPhrase, QString::fromUtf8(corrected)) << tokenised;
        EXPECT_EQ(e.request().PhraseBeforeCorrection, QString::fromUtf8(unfolded)) << tokenised;
    }
}

TEST(SmartInputCorrection, PunctuationGoesAndTeachingSymbolsJoinTheirWords) {
    ExpectCorrections({
        {"WHAT ? REALLY !", "WHAT REALLY", "WHAT REALLY"},
        {"HELLO , HOW ARE YOU ? !", "HELLO HOW ARE YOU", "HELLO HOW ARE YOU"},
        {"# HELLO THERE , FRIEND !", "#HELLO THERE, FRIEND!", "#HELLO THERE, FRIEND!"},
        {"## ANOTHER ANSWER", "##ANOTHER ANSWER", "##ANOTHER ANSWER"},
        {"HELLO # HI THERE", "#HELLO HI THERE", "#HELLO HI THERE"},
        {"# WHAT ? WHY ? !", "#WHAT WHY?", "#WHAT WHY?"},
        {"X = Y", "X=Y", "X=Y"},
        {"A >> B", "A>>B", "A>>B"},
        {"A << B", "A<<B", "A<<B"},
        {"WRONG <> RIGHT", "WRONG<>RIGHT", "WRONG<>RIGHT"},
        {"A <> B <> C <> D<>E", "A<>B<>C<>D E", "A<>B<>C<>D E"},
        {"IT'S 5:30 PM .", "IT'S 5 30 PM", "IT'S 5 30 PM"},
        {"WELL...I THINK SO", "WELL I THINK SO", "WELL I THINK SO"},
        {"DON ' T", "DON'T", "DON'T"},
        {"A/B AND C\\DE", "A B AND C DE", "A B AND C DE"},
        // What is left of a smiley at the end goes, even when it was no smiley.
        {"A/B AND C\\D", "A B AND C", "A B AND C"},
        {"SO -- WHAT", "SO WHAT", "SO WHAT"},
    });
}

TEST(SmartInputCorrection, EmoticonsAndTheirRemainsGo) {
    ExpectCorrections({
        {"HI:D", "HI", "HI"},
        {"LOL:P", "LOL", "LOL"},
        {"OK 8 )", "OK", "OK"},
        {"NO WAY:DD", "NO WAY", "NO WAY"},
        {"HI :) THERE", "HI THERE", "HI THERE"},
        {"SO O_O WOW", "SO WOW", "SO WOW"},
        {"COOL 8 8 8", "COOL", "COOL"},
        {"HAHA PP", "HAHA", "HAHA"},
    });
}

TEST(SmartInputCorrection, LetterRunsFoldInThePhraseButNotInTheUnfoldedCopy) {
    ExpectCorrections({
        {"HMMMM OOOKAY", "HMM OOKAY", "HMMMM OOOKAY"},
        {"NOOOOOOOOOOOOOOOOOOOOO", "NOO", "NOOOOOOOOOOOOOOOOOOOOO"},
        {"WWWWOW", "WWOW", "WWWWOW"},
    });
}

TEST(SmartInputCorrection, BracketCommandsAreClosedUp) {
    ExpectCorrections({
        {"[ POSITIVE ] NICE", "[POSITIVE] NICE", "[POSITIVE] NICE"},
        {"[DISABLECONVERTER]", "[DISABLECONVERTER]", "[DISABLECONVERTER]"},
        {"[ ] HELLO [ ]", "HELLO", "HELLO"},
        {"A ] B", "A B", "A B"},
        {"A [ B", "A B", "A B"},
        {"[ A [ B ] C ]", "[A[B]C]", "[A[B]C]"},
        {"[ POS'ITIVE ]", "[POSITIVE]", "[POSITIVE]"},
    });
}

TEST(SmartInputCorrection, PhrasesThatSayNothingEndEmpty) {
    ExpectCorrections({
        {"?", "", ""},
        {"!", "", ""},
        {"#", "", "#"},
        {"##", "", "##"},
        {"<>", "", "<>"},
        {"DD", "", "DD"},
        {"OO", "", "OO"},
        // The end of the phrase is taken for what is left of a smiley first.
        {"O O", "O", "O"},
        {"HI :P", "HI", "HI"},
        {"...", "", ""},
        {"", "", ""},
    });
}

TEST(SmartInputCorrection, LatvianLetterPairsBecomeLettersInLatvianMode) {
    ExpectCorrections(
        {
            {"LABDIEN , KAA IET", "LABDIEN KĀ IET", "LABDIEN KAA IET"},
            {"LABDIEN, KAA IET", "LABDIEN KĀ IET", "LABDIEN KAA IET"},
            {"SHODIEN", "ŠODIEN", "SHODIEN"},
            {"ZHURNAALS", "ŽURNĀLS", "ZHURNAALS"},
        },
        true);
    ExpectCorrections({{"SHODIEN", "SHODIEN", "SHODIEN"}}, false);
}

TEST(SmartInputCorrection, LatvianModeIsAnnouncedOnTheConsole) {
    PhraseEngine e;
    e.settings().latvianLanguageMode = true;
    e.request().WorkPhrase = "KAA";
    SmartInputCorrection(e.engine);
    EXPECT_EQ(e.console(), (QStringList{"A.I. > Processing Latvian translate..",
                                        "A.I. > Finished Latvian translate."}));
}

TEST(SmartInputCorrection, AMessageThatOnlyNamedTheCharacterIsHighlighted) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "HIGHLIGHTED"},
        {"   ", "HIGHLIGHTED"},
        // Not empty yet when the runs are folded.
        {"?", ""},
        {"HELLO", "HELLO"},
    };
    for (const auto& [tokenised, corrected] : cases) {
        PhraseEngine e;
        e.request().Highlighted = true;
        e.engine.state.outcomes.HighlightAnswered = 1;
        e.request().WorkPhrase = tokenised;
        SmartInputCorrection(e.engine);
        EXPECT_EQ(e.request().WorkPhrase, corrected) << tokenised;
        EXPECT_FALSE(e.engine.state.outcomes.HighlightAnswered);
    }
}

TEST(SmartInputCorrection, ALinkIsPutBackUntouched) {
    struct LinkCase {
        const char* tokenised;
        const char* link;
        const char* prefix;
        const char* corrected;
    };
    const LinkCase cases[] = {
        {"SEE HTTPS:NOW", "https://a/b?c", "HTTPS:", "SEE HTTPS://A/B?C NOW"},
        {"GET HTTP:", "http://a.lv/x.", "HTTP:", "GET HTTP://A.LV/X."},
        {"LOOK AT WWW", "www.lv/A/b_c!", "WWW", "LOOK AT WWW.LV/A/B_C!"},
        {"WWW", "wwwwww", "WWW", "WWWWWW"},
        {"HTTP:", "http:", "HTTP:", "HTTP:"},
        {"HI:TIME HTTPS: OK", "https://x", "HTTPS:", "HI TIME HTTPS://X OK"},
        // A comma goes even from a link, and leaves no double blank behind.
        {"LOOK AT WWW IT IS NICE", "wwwpage,", "WWW", "LOOK AT WWWPAGE IT IS NICE"},
        {"GO HTTPS: ON", "https://a.lv/x,,,y", "HTTPS:", "GO HTTPS://A.LV/X Y ON"},
        // The link goes back in its own place only: a second prefix is a word of the message,
        // and putting the link in for every one multiplied a message of W runs without bound.
        {"SEE WWW AND WWW", "www.a.lv", "WWW", "SEE WWW.A.LV AND WWW"},
        {"WWW WWW WWW", "wwwwww", "WWW", "WWWWWW WWW WWW"},
    };
    for (const auto& [tokenised, link, prefix, corrected] : cases) {
        PhraseEngine e;
        e.request().HasLink = true;
        e.request().LinkText = link;
        e.request().LinkPrefix = prefix;
        e.request().WorkPhrase = tokenised;
        SmartInputCorrection(e.engine);
        EXPECT_EQ(e.request().WorkPhrase, corrected) << tokenised;
    }
}

}  // namespace
