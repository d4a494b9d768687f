#include "normalise/nick_address.h"
#include "phrase_engine.h"

#include <gtest/gtest.h>

namespace {

struct NickCase {
    const char* message;
    const char* nick;
    bool addressed;
};

TEST(IsNickAddressed, NickCountsOnlyAsAWordOfItsOwn) {
    const NickCase cases[] = {
        {"QIVOTX: how are you", "QIVOTX", true},
        {"hi!!! QIVOTX, how are you", "QIVOTX", true},
        {"[QIVOTX] hello", "QIVOTX", true},
        {"robots are cool", "BOT", false},
        {"hi qivotx", "QIVOTX", true},
        {"QIVOTX", "qivotx", true},
        {"QIVOTXS are many", "QIVOTX", false},
        {"QIVOTX-fan club", "QIVOTX", true},
        {"ask (QIVOTX) now", "QIVOTX", true},
        // Deleted punctuation joins what stood around it.
        {"hello.QIVOTX", "QIVOTX", false},
        {"the QIVOTX's toy", "QIVOTX", false},
        // Only the first occurrence comes back after all are cut out, so a later word of its
        // own is not seen behind an earlier longer word.
        {"ROBOT BOT", "BOT", false},
        {"BOT ROBOT", "BOT", true},
        {"[Bot] hi", "[Bot]", true},
        {"ŠODIEN QIVOTX", "QIVOTX", true},
        {"šodien", "ŠODIEN", true},
        {"", "QIVOTX", false},
        {"hello there", "", false},
        {"   ", "QIVOTX", false},
    };
    for (const auto& [message, nick, addressed] : cases)
        EXPECT_EQ(IsNickAddressed(QString::fromUtf8(message), QString::fromUtf8(nick)), addressed)
            << message << " / " << nick;
}

TEST(StripOwnNick, CutsTheNickOutOnlyWhenItAddressesTheCharacter) {
    struct Case {
        const char* nick;
        const char* phrase;
        const char* stripped;
        bool found;
    };
    const Case cases[] = {
        {"QIVOTX", "QIVOTX: HOW ARE YOU", ": HOW ARE YOU", true},
        {"QIVOTX", "HI QIVOTX AND QIVOTXS", "HI AND S", true},
        {"qivotx", "HI QIVOTX", "HI ", true},
        {"BOT", "ROBOTS ARE COOL", "ROBOTS ARE COOL", false},
        {"QIVOTX", "QIVOTX", "", true},
    };
    for (const auto& [nick, phrase, stripped, found] : cases) {
        PhraseEngine e;
        e.settings().nickname = nick;
        e.request().WorkPhrase = phrase;
        StripOwnNick(e.engine);
        EXPECT_EQ(e.request().WorkPhrase, stripped) << phrase;
        EXPECT_EQ(e.request().OwnNickFound, found) << phrase;
        EXPECT_EQ(e.console().contains("A.I. > Removed Q.I.V.O™ nickname from message."), found)
            << phrase;
    }
}

}  // namespace
