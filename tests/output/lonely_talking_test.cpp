#include "output/lonely_talking.h"

#include "output_fixture.h"

#include <gtest/gtest.h>

namespace {

// Users talk to the character through the whole cycle; the lonely timer is ticked by hand at the
// time the test pins, with the threshold the test draws.
class Lonely : public OutputFixture {
  protected:
    Lonely() {
        Settings& s = engine->state.settings;
        s.allowLonelyTalking = true;
        s.LTT_MinDgCnt = "2";
        s.useDialogIntroForNewUsers = false;
        fakes.irc.online = true;
        setMessages("On Lonely Talking_en", {"are you still there , [usernick] ?"});
        setMessages("On Stop Lonely_en", {"fine , no more small talk"});
    }

    // A private message of `nick` at hh:mm, delivered.
    void says(const QString& nick, const QString& phrase, int hour, int minute) {
        fakes.clock.at = QDateTime(QDate(2026, 12, 9), QTime(hour, minute));
        TInput input = ChannelMessage(nick, nick, phrase);
        input.TargetKind = TargetKind::Private;
        input.UserAddress = nick + "@host.example";
        runCycle(input);
        deliverAll();
    }
    // One tick at hh:mm with the threshold drawn as `draw`; the lines sent meanwhile.
    QStringList tick(int hour, int minute, int draw) {
        fakes.clock.at = QDateTime(QDate(2026, 12, 9), QTime(hour, minute));
        fakes.random.next = {draw};
        fakes.irc.sent.clear();
        assembled.lonely->LonelyTimerTimer();
        deliverAll();
        return fakes.irc.sent;
    }
    QStringList watched() const {
        QStringList keys;
        for (const TLTimers& entry : engine->state.stores.TimerStore)
            keys << entry.userKey;
        return keys;
    }
};

TEST_F(Lonely, AUserIsWatchedOnceHeHasTalkedEnoughAndHearsFromTheCharacterOnce) {
    says("anna", "hello", 12, 0);  // the first input only makes her record
    says("anna", "how are you", 12, 1);
    EXPECT_TRUE(watched().isEmpty());
    says("anna", "nice weather", 12, 2);
    EXPECT_EQ(watched(), QStringList{"anna"});
    EXPECT_TRUE(assembled.lonely->LonelyTimer.isActive());

    EXPECT_TRUE(tick(12, 5, 5).isEmpty()) << "three minutes are not five";
    EXPECT_EQ(tick(12, 7, 5), QStringList{"PRIVMSG anna :Are you still there, anna?"});
    EXPECT_TRUE(watched().isEmpty());
    EXPECT_FALSE(engine->state.lonely.speaking);
    EXPECT_TRUE(tick(12, 30, 0).isEmpty());
    EXPECT_FALSE(assembled.lonely->LonelyTimer.isActive()) << "nobody is watched any more";
    EXPECT_TRUE(fakes.additional.log.contains("A.I. > Generated difference 5 minute(s)."));
}

TEST_F(Lonely, TheSilenceIsCountedAcrossMidnightAndEveryoneSilentEnoughIsSpokenTo) {
    for (int i = 0; i < 3; ++i) {
        says("anna", QString("phrase %1").arg(i), 23, 50 + i);
        says("bob", QString("words %1").arg(i), 23, 55 + i);
    }
    // Bob last spoke at 23:57: at 00:04 that is seven minutes; the draw of 1 becomes 3.
    EXPECT_EQ(tick(0, 4, 1).size(), 2);
    EXPECT_TRUE(fakes.additional.log.contains("A.I. > Users bob realtime difference 7 minutes."));
    EXPECT_TRUE(watched().isEmpty());
}

TEST_F(Lonely, StopLonelyEndsTheWatchAndIsAnsweredEvenWhenNobodyWatched) {
    for (const char* phrase : {"a", "b", "c"})
        says("anna", phrase, 12, 0);
    ASSERT_EQ(watched(), QStringList{"anna"});
    fakes.irc.sent.clear();
    says("anna", "[stoplonely]", 12, 1);
    EXPECT_TRUE(watched().isEmpty());
    EXPECT_EQ(fakes.irc.sent, QStringList{"PRIVMSG anna :Fine, no more small talk."});
    fakes.irc.sent.clear();
    says("bob", "[stoplonely]", 12, 2);
    EXPECT_EQ(fakes.irc.sent, QStringList{"PRIVMSG bob :Fine, no more small talk."});
}

TEST_F(Lonely, IgnoredUsersAndQuietIrcAreNeverWatchedAndPauseHoldsTheTimer) {
    brain.db().execute(
        "INSERT INTO users_privileges (user, host, type) VALUES ('eve', 'eve@host.example', "
        "'IGNORED')");
    for (const char* phrase : {"a", "b", "c", "d"})
        says("eve", phrase, 12, 0);
    EXPECT_TRUE(watched().isEmpty());

    engine->state.settings.quietProcessingModeInIrc = true;
    for (const char* phrase : {"a", "b", "c"})
        says("anna", phrase, 12, 0);
    EXPECT_TRUE(watched().isEmpty());
    for (const char* phrase : {"one", "two", "three"}) {
        fakes.clock.at = fakes.clock.at.addSecs(60);
        say(phrase);
    }
    EXPECT_EQ(watched(), QStringList{"Owner"});

    engine->state.paused = true;
    EXPECT_TRUE(tick(13, 0, 3).isEmpty());
    EXPECT_FALSE(assembled.lonely->LonelyTimer.isActive());
    EXPECT_EQ(watched(), QStringList{"Owner"});
}

}  // namespace
