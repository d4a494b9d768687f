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
    bool vetoed(int seconds, TargetKind kind, const QString& phrase, bool adm = false) {
        fakes.clock.at = QDateTime(QDate(2026, 12, 9), QTime(12, 0).addSecs(seconds));
        Request& r = input(phrase, "Anna", kind);
        r.Answered = true;
        r.AdmMatch = adm;
        PublicAnswerGate(*engine);
        return engine->state.publicGate.IntelligentModeRefused;
    }
};

constexpr TargetKind Unaddressed = TargetKind::Channel;
constexpr TargetKind Addressed = TargetKind::HighlightedChannel;

struct Message {
    int second;
    TargetKind kind;
    const char* phrase;
    bool vetoed;
};

TEST_F(PublicGate, AnswersUnaddressedMessagesOnlyInsideTheWindowAndOnce) {
    const Message conversation[] = {
        {0, Unaddressed, "HELLO ALL", true},        // no window yet: this one opens it
        {5, Addressed, "HOW ARE YOU", false},       // addressing the character opens the window
        {15, Unaddressed, "NICE WEATHER", false},   // ten seconds later: answered
        {20, Unaddressed, "NICE WEATHER", true},    // the same phrase again: answered once
        {25, Unaddressed, "WHAT IS UP", false},     //
        {45, Unaddressed, "GOOD MOVIE", true},      // forty seconds after the window opened
        {46, Addressed, "GOOD MOVIE", false},       // addressed again: the window starts anew
        {50, Unaddressed, "I AGREE", false},        //
        {200, Unaddressed, "NICE WEATHER", false},  // a silence reset the history and the window
        {210, Unaddressed, "NICE WEATHER", true},   // answered once since the reset
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
    EXPECT_FALSE(vetoed(0, Unaddressed, "HELLO"));
    EXPECT_FALSE(vetoed(1, Unaddressed, "HELLO"));
    online(5);
    EXPECT_FALSE(vetoed(2, TargetKind::Private, "HELLO"));
    EXPECT_FALSE(vetoed(3, TargetKind::Local, "HELLO"));
}

TEST_F(PublicGate, VetoesMessagesNamingAnotherUserAndUnaddressedAdvancedMatches) {
    EXPECT_FALSE(vetoed(0, Addressed, "HI"));
    request().UserNickMentioned = true;
    input("HI ANNA", "Bob", TargetKind::Channel).Answered = true;
    request().UserNickMentioned = true;
    PublicAnswerGate(*engine);
    EXPECT_TRUE(engine->state.publicGate.IntelligentModeRefused);
    EXPECT_TRUE(vetoed(2, Unaddressed, "WHAT TIME", true));
    EXPECT_FALSE(vetoed(3, Addressed, "WHAT TIME", true));
}

TEST_F(PublicGate, StaysOutOfTheWayUnlessSwitchedOnAndAnswered) {
    settings().answerOnPmIntelligentMode = false;
    EXPECT_FALSE(vetoed(0, Unaddressed, "HELLO"));
    settings().answerOnPmIntelligentMode = true;
    input("HELLO", "Anna", TargetKind::Channel);
    PublicAnswerGate(*engine);
    EXPECT_FALSE(engine->state.publicGate.IntelligentModeRefused);
}

TEST_F(PublicGate, SettingsWithoutANumberCountAsTheShippedOnes) {
    settings().PubTickSec = "soon";
    settings().PubTickTimeout = "";
    EXPECT_FALSE(vetoed(0, Addressed, "HI"));
    EXPECT_FALSE(vetoed(59, Unaddressed, "STILL HERE"));
    EXPECT_TRUE(vetoed(61, Unaddressed, "TOO LATE"));
}

}  // namespace
