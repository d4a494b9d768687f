#include "answer/repetition.h"
#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr RepetitionOutcome None = RepetitionOutcome::None;
constexpr RepetitionOutcome Told = RepetitionOutcome::Answered;
constexpr RepetitionOutcome Ignored = RepetitionOutcome::Ignored;

class Repetition : public StageFixture {
  protected:
    Repetition() { settings().HistoryRepeatings = "10"; }
    void lastPhrases(const QString& users, const QString& characters,
                     const QString& teacher = "NO") {
        Query& db = brain.db();
        db.execute(
            "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
            "mmas_answer, original_question, interface_type) VALUES (?, ?, ?, 'NO', '', '', '', "
            "'interface_s')",
            {EncodeNick("Anna"), users, teacher});
        db.execute("INSERT INTO lastphrase_ai (user, phrase) VALUES (?, ?)",
                   {EncodeNick("Anna"), characters});
    }
    // Runs the stage at `time` with the draws the test pins; the repetition outcome.
    RepetitionOutcome say(const QString& phrase, QTime time, std::initializer_list<int> draws = {},
                          TargetKind kind = TargetKind::Private) {
        fakes.clock.at = QDateTime(QDate(2026, 12, 9), time);
        fakes.random.next = draws;
        Request& r = input(phrase, "Anna", kind);
        r.Highlighted = kind == TargetKind::HighlightedChannel;
        DetectRepetition(*engine);
        return engine->state.outcomes.RepetitionOutcome;
    }
};

TEST_F(Repetition, ARepeatingUserIsToldHalfTheTimeThenIgnoredWithinTheWindow) {
    lastPhrases("HOW ARE YOU", "FINE [SYSMSG]");
    EXPECT_EQ(say("HOW ARE YOU", QTime(10, 0), {0}), None);  // the draw spares him
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(say("HOW ARE YOU", QTime(10, 1), {1}), Told);
    EXPECT_EQ(events, QStringList{"On User Repeated Himself"});
    EXPECT_TRUE(request().Answered);
    EXPECT_EQ(say("how are you", QTime(10, 2), {1}), Told);  // the counter goes above 0
    EXPECT_EQ(say("HOW ARE YOU", QTime(10, 3), {1}), Ignored);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(consoleLines().contains("A.I. > Ignoring user Anna. User repeating himself."));
    // The window ends ten minutes after the last told repetition.
    EXPECT_EQ(say("HOW ARE YOU", QTime(10, 11), {1}), Ignored);
    EXPECT_EQ(say("HOW ARE YOU", QTime(10, 12), {1}), Told);
}

TEST_F(Repetition, TheWindowRunsAcrossTheHour) {
    lastPhrases("HI", "HELLO");
    say("HI", QTime(10, 54), {1});
    say("HI", QTime(10, 55), {1});
    EXPECT_EQ(say("HI", QTime(11, 4)), Ignored);
    EXPECT_EQ(say("HI", QTime(11, 5), {1}), Told);
}

TEST_F(Repetition, RepeatingTheCharacterIsNoticedThreeTimesInFour) {
    lastPhrases("SOMETHING ELSE", "[ACTION] Nice to meet you, [USERNICK]! [SYSMSG]");
    const std::pair<int, RepetitionOutcome> draws[] = {{0, Told}, {1, Told}, {2, Told}, {3, None}};
    for (const auto& [draw, outcome] : draws) {
        // The first draw belongs to the user's own repetition and does not happen here.
        EXPECT_EQ(say("NICE TO MEET YOU", QTime(10, 0), {draw}), outcome) << draw;
        EXPECT_EQ(events, outcome == Told ? QStringList{"On User Repeated A.I."} : QStringList{});
    }
}

TEST_F(Repetition, SomeUsersAndMessagesAreNeverChecked) {
    lastPhrases("HI", "HI");
    EXPECT_EQ(say("HI", QTime(10, 0), {1, 0}, TargetKind::Channel),
              None);  // a channel message not addressed to it
    EXPECT_EQ(say("HI", QTime(10, 0), {1, 0}, TargetKind::HighlightedChannel),
              Told);  // a channel message that names it

    settings().ignoreAdminTextRepetitions = true;
    fakes.random.next = {1, 0};
    Request& r = input("HI", "Anna", TargetKind::Private);
    r.Privilege = Privilege::Owner;
    DetectRepetition(*engine);
    EXPECT_EQ(engine->state.outcomes.RepetitionOutcome, None);

    settings().ignoreAdminTextRepetitions = false;
    settings().allowTrainingMode = true;
    brain.db().execute("INSERT INTO users_options (user, ease_teaching) VALUES (?, 'YES')",
                       {EncodeNick("Anna")});
    EXPECT_EQ(say("HI", QTime(10, 0), {1, 0}), None);
}

TEST_F(Repetition, ATeacherMaySayHisQuestionAgain) {
    lastPhrases("HOW ARE YOU", "FINE", "YES");
    EXPECT_EQ(say("HOW ARE YOU", QTime(10, 0), {1, 0}), None);
}

TEST_F(Repetition, WithoutRecordsNothingCountsAsSaidBefore) {
    EXPECT_EQ(say("HELLO", QTime(10, 0), {1, 0}), None);
    EXPECT_TRUE(events.isEmpty());
}

}  // namespace
