#include "normalise/letter_folding.h"
#include "phrase_engine.h"

#include <gtest/gtest.h>

namespace {

TEST(FoldLetterRuns, RunsOfALetterBecomeTwoLetters) {
    const std::pair<const char*, const char*> cases[] = {
        {"HMMMM OOOKAY", "HMM OOKAY"},
        {"AAAAAAAAAA", "AA"},
        {"WWWWW", "WW"},
        {"HELLO", "HELLO"},
        {"ĀĀĀĀ", "ĀĀĀĀ"},
        {"hmmmm", "hmmmm"},
        {"  A   B  ", "A B"},
        {"", ""},
    };
    for (const auto& [phrase, folded] : cases) {
        PhraseEngine e;
        e.request().WorkPhrase = QString::fromUtf8(phrase);
        FoldLetterRuns(e.engine);
        EXPECT_EQ(e.request().WorkPhrase, QString::fromUtf8(folded)) << phrase;
    }
}

TEST(FoldLetterRuns, TheWRunOfAnAddressStays) {
    PhraseEngine e;
    e.request().HasLink = true;
    e.request().WorkPhrase = "WWWWW ZZZZ";
    FoldLetterRuns(e.engine);
    EXPECT_EQ(e.request().WorkPhrase, "WWWWW ZZ");
}

TEST(LatvianTranslate, LetterPairsOfThePhraseBecomeLatvianLetters) {
    const std::pair<const char*, const char*> cases[] = {
        {"SHODIEN", "ŠODIEN"},
        {"KAA IET", "KĀ IET"},
        {"EE UU II AA SH GJ KJ LJ ZJ ZH CH NJ", "Ē Ū Ī Ā Š Ģ Ķ Ļ Ž Ž Č Ņ"},
        {"AAAA", "Ā"},
        {"AAA", "ĀA"},
        {"SHSHSH", "Š"},
        {"EEEEEE", "Ē"},
        {"sh aa", "sh aa"},
    };
    for (const auto& [phrase, translated] : cases) {
        PhraseEngine e;
        e.request().WorkPhrase = QString::fromUtf8(phrase);
        LatvianTranslate(e.engine);
        EXPECT_EQ(e.request().WorkPhrase, QString::fromUtf8(translated)) << phrase;
    }
}

TEST(FoldLatvianInput, LetterPairsOfTheReceivedTextBecomeLettersInTheirOwnCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"shodien", "šodien"},
        {"Shodien", "Šodien"},
        {"SHODIEN", "ŠODIEN"},
        {"sHodien", "šodien"},
        {"KAA", "KĀ"},
        {"kaa", "kaa"},
        {"Eeksha", "Ēkša"},
        {"ljoti labi", "ļoti labi"},
        {"Zhurka un zjirafe", "Žurka un žirafe"},
        {"EEE", "Ē"},
        {"sss", "ss"},
        {"Nj nJ", "Ņ ņ"},
        {"paldies", "paldies"},
        {"", ""},
    };
    for (const auto& [received, folded] : cases) {
        PhraseEngine e;
        e.request().OriginalPhrase = QString::fromUtf8(received);
        e.request().WorkPhrase = QString::fromUtf8(received).toUpper();
        FoldLatvianInput(e.engine);
        EXPECT_EQ(e.request().OriginalPhrase, QString::fromUtf8(folded)) << received;
        EXPECT_EQ(e.request().WorkPhrase, QString::fromUtf8(received).toUpper())
            << "only the received text is folded";
    }
}

}  // namespace
