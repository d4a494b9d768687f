#include "answer/public_gate.h"
#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class PublicGate : public StageFixture {
  protected:
    PublicGate() {
        Settings& s = settings();
        s.processPublicMessages = s.answerOnPublicMessages = s.answerOnPmIntelligentMode = true;
        s.PubTickSec = "30";
        s.PubTickTimeout = "60";
        online(5);
    }
    void online(int users) {
        brain.db().execute("DELETE FROM users_online");
        for (int i = 0; i < users; ++i)
            brain.db().execute("INSERT INTO users_online (user, channel) VALUES (?, '#talvane')",
                               {QString("user%1").arg(i)});
    }
    // An answered channel message `seconds` after noon; true when the gate vetoes it.
    bool vetoed(int seconds, int kind, const QString& phrase, bool adm = false) {
        fakes.clock.at = QDateTime(QDate(2026, 12, 9), QTime(12, 0).addSecs(seconds));
        Request& r = input(phrase, "Anna", kind);
        r.Answered = true;
        r.AdmMatch = adm;
        PublicAnswerGate(*engine);
        return engine->state.outcomes.IntelligentModeRefused;
    }
};

struct Message {
    int second;
    int kind;  // 1 unaddressed, 2 addressed
    const char* phrase;
    bool vetoed;
};

TEST_F(PublicGate, AnswersUnaddressedMessagesOnlyInsideTheWindowAndOnce) {
    const Message conversation[] = {
        {0, 1, "HELLO ALL", true},        // no window yet: this one opens it
        {5, 2, "HOW ARE YOU", false},     // addressing the character opens the window
        {15, 1, "NICE WEATHER", false},   // ten seconds later: answered
        {20, 1, "NICE WEATHER", true},    // the same phrase again: answered once
        {25, 1, "WHAT IS UP", false},     //
        {45, 1, "GOOD MOVIE", true},      // forty seconds after the window opened
        {46, 2, "GOOD MOVIE", false},     // addressed again: the window starts anew
        {50, 1, "I AGREE", false},        //
        {200, 1, "NICE WEATHER", false},  // a silence reset the history and the window
        {210, 1, "NICE WEATHER", true},   // answered once since the reset
    };
    for (const Message& m : conversation) {
        SCOPED_TRACE(QString("%1 s: %2").arg(m.second).arg(m.phrase).toStdString());
        EXPECT_EQ(vetoed(m.second, m.kind, m.phrase), m.vetoed);
    }
    EXPECT_EQ(fakes.additional.log,
              QStringList{"A.I. > Resetting \"#talvane\" input history for algorithm \"Answer On "
                          "P.M.\" Intelligent Mode at 12:03:20."});
}

TEST_F(PublicGate, NeverVetoesATwoPersonChannelOrPrivateAndLocalInput) {
    online(2);
    EXPECT_FALSE(vetoed(0, 1, "HELLO"));
    EXPECT_FALSE(vetoed(1, 1, "HELLO"));
    online(5);
    EXPECT_FALSE(vetoed(2, 3, "HELLO"));
    EXPECT_FALSE(vetoed(3, 0, "HELLO"));
}

TEST_F(PublicGate, VetoesMessagesNamingAnotherUserAndUnaddressedAdvancedMatches) {
    EXPECT_FALSE(vetoed(0, 2, "HI"));
    request().UserNickMentioned = true;
    input("HI ANNA", "Bob", 1).Answered = true;
    request().UserNickMentioned = true;
    PublicAnswerGate(*engine);
    EXPECT_TRUE(engine->state.outcomes.IntelligentModeRefused);
    EXPECT_TRUE(vetoed(2, 1, "WHAT TIME", true));
    EXPECT_FALSE(vetoed(3, 2, "WHAT TIME", true));
}

TEST_F(PublicGate, StaysOutOfTheWayUnlessSwitchedOnAndAnswered) {
    settings().answerOnPmIntelligentMode = false;
    EXPECT_FALSE(vetoed(0, 1, "HELLO"));
    settings().answerOnPmIntelligentMode = true;
    input("HELLO", "Anna", 1);
    PublicAnswerGate(*engine);
    EXPECT_FALSE(engine->state.outcomes.IntelligentModeRefused);
}

TEST_F(PublicGate, SettingsWithoutANumberCountAsTheShippedOnes) {
    settings().PubTickSec = "soon";
    settings().PubTickTimeout = "";
    EXPECT_FALSE(vetoed(0, 2, "HI"));
    EXPECT_FALSE(vetoed(59, 1, "STILL HERE"));
    EXPECT_TRUE(vetoed(61, 1, "TOO LATE"));
}

}  // namespace
