#include "normalise/tokenise.h"
#include "qstring_printer.h"

#include "brain/query.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

class Tokenising : public EngineFixture {
  protected:
    QString tokenise(const QString& phrase) {
        engine->state.request = Request{};
        engine->state.request.WorkPhrase = phrase;
        TokenisePhrase(*engine);
        return engine->state.request.WorkPhrase;
    }

    void online(const QString& encodedNick) {
        engine->db.execute("INSERT INTO users_online (`user`, `channel`) VALUES (?, ?)",
                           {encodedNick, QStringLiteral("#talvane")});
    }

    const Request& request() const { return engine->state.request; }
};

TEST_F(Tokenising, SymbolsStandAsWordsAndPunctuationJoinsItsNeighbours) {
    const std::pair<const char*, const char*> cases[] = {
        {"What?! Really!!!", "WHAT ? REALLY !"},
        {"hello ,  how are  you?!", "HELLO , HOW ARE YOU ? !"},
        {"a ## b # c", "A ## B C"},
        {"x = y", "X = Y"},
        {"x= y", "X = Y"},
        {"a<>b<>c<>d<>e", "A <> B <> C <> D<>E"},
        {": hello", "HELLO"},
        {"hello:", "HELLO :"},
        {"don 't do it", "DON'T DO IT"},
        {"it's 5:30 pm.", "IT'S 5:30 PM ."},
        // Only the first "#", ">>" and "<<" are commands; other "#" go.
        {"# hi # there", "# HI THERE"},
        {"a >> b >> c", "A >> B>>C"},
        {"a << b << c", "A << B<<C"},
        // Joining a later symbol can take the last blank away; the last word still counts.
        {"a << b <<", "A << B<<"},
        {"a >> b > >", "A >> B>>"},
        {"a < > b", "A <> B"},
        {"a > > b", "A >> B"},
        {"hi (there) you", "HI(THERE)YOU"},
        {"say \"hi\"", "SAY\"HI \""},
        // Only the colons at the very start go.
        {"::: hello", "::HELLO"},
        {"a, b,c", "A , B , C"},
        {"šodien ir labi", "ŠODIEN IR LABI"},
        {"", ""},
        {"   ", ""},
        {"!!!", "!"},
        {"#", "#"},
        {"<><><><>", "<> <> <> <>"},
    };
    for (const auto& [phrase, tokenised] : cases)
        EXPECT_EQ(tokenise(QString::fromUtf8(phrase)), QString::fromUtf8(tokenised)) << phrase;
}

TEST_F(Tokenising, NicksOfUsersOnlineAreNotedAndRemovedOnRequest) {
    online("Anna");
    online("SPCLFTBRCKTBobSPCRGTBRCKT");
    online(engine->state.settings.nickname);

    engine->state.settings.removeUserNicksFromMsg = false;
    EXPECT_EQ(tokenise("hi anna how are you"), "HI ANNA HOW ARE YOU");
    EXPECT_TRUE(request().UserNickMentioned);
    EXPECT_FALSE(request().NickRemoved);

    engine->state.settings.removeUserNicksFromMsg = true;
    EXPECT_EQ(tokenise("hi anna how are you"), "HI HOW ARE YOU");
    EXPECT_TRUE(request().UserNickMentioned);
    EXPECT_TRUE(request().NickRemoved);
    EXPECT_TRUE(
        fakes.console.lines.contains("A.I. > Removed user nickname \"Anna\" from message."));

    EXPECT_EQ(tokenise("[bob], hello"), ", HELLO");
    EXPECT_TRUE(
        fakes.console.lines.contains("A.I. > Removed user nickname \"[Bob]\" from message."));

    // A nick inside a longer word is no nick; the character's own nick is no user's.
    EXPECT_EQ(tokenise("annabelle and talvanebot"), "ANNABELLE AND TALVANEBOT");
    EXPECT_FALSE(request().UserNickMentioned);
    EXPECT_FALSE(request().NickRemoved);
}

TEST_F(Tokenising, AnEncodedOwnNickIsComparedWithThePlainSetting) {
    engine->state.settings.nickname = "Talvane_BOT";
    online("TalvaneSPCUNDRSMBLBOT");
    EXPECT_EQ(tokenise("talvane_bot hi"), "TALVANE_BOT HI");
    EXPECT_TRUE(request().UserNickMentioned);
}

TEST_F(Tokenising, TheMentionedFlagBelongsToThisPhraseOnly) {
    online("Anna");
    tokenise("hi anna");
    engine->state.request.WorkPhrase = "hi there";
    TokenisePhrase(*engine);
    EXPECT_FALSE(request().UserNickMentioned);
}

}  // namespace
