#include "engine/time_text.h"
#include "output/typing_delay.h"

#include "output_fixture.h"

#include <gtest/gtest.h>
#include <QTest>

namespace {

class Delivering : public OutputFixture {
  protected:
    Delivering() {
        requestFrom("Owner");
        fakes.irc.online = true;
    }

    // The chat view's form of a line the character said to `nick`.
    QString said(const QString& nick, const QString& line) const {
        return LongTimeText(fakes.clock.at.time()) + " > TalvaneBOT > " + nick + " : " + line;
    }
};

TEST_F(Delivering, SendsTheLinesOfAnAnswerInOrderWithTheirPauses) {
    answer("FIRST LINE # SECOND LINE ## THIRD LINE");
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > MMAS started."));
    const int pauses[] = {1000, 500, 100};
    for (int number = 1; number <= 3; ++number) {
        ASSERT_TRUE(delivery->MultiLineAnswering.isActive());
        delivery->DeliverNextLine();
        EXPECT_EQ(delivery->MultiLineAnswering.interval(), pauses[number - 1])
            << "the pause after line " << number;
    }
    EXPECT_EQ(consoleLinesStarting("A.I. > Broadcasting"),
              QStringList({"A.I. > Broadcasting MMAS message 1 of 3 to user Owner.",
                           "A.I. > Broadcasting MMAS message 2 of 3 to user Owner.",
                           "A.I. > Broadcasting MMAS message 3 of 3 to user Owner."}));
    EXPECT_EQ(fakes.additional.chat,
              QStringList({said("Owner", "First line."), said("Owner", "Second line."),
                           said("Owner", "Third line.")}));
    EXPECT_TRUE(delivery->pending());
    delivery->DeliverNextLine();
    EXPECT_EQ(fakes.console.lines.last(), "A.I. > MMAS finished.");
    EXPECT_FALSE(delivery->pending());
    Query& db = brain.db();
    ASSERT_EQ(db.open("SELECT * FROM mmas WHERE user=? LIMIT 1", {"Owner"}), 1);
    EXPECT_EQ(db.field("finished"), "YES");
    EXPECT_EQ(db.field("original"), "FIRST LINE # SECOND LINE ## THIRD LINE");
    EXPECT_EQ(engine->state.stores.userVariables("Owner").lastAnswer,
              "FIRST LINE # SECOND LINE ## THIRD LINE");
}

TEST_F(Delivering, TypingIsATimerThatKeepsTheOrder) {
    engine->state.settings.typingSimulation = true;
    fakes.random.next = {7, 0, 0};
    answer("HI # OK ## YES?");
    delivery->DeliverNextLine();
    ASSERT_TRUE(delivery->typing.isActive()) << "the tick returns while the line is typed";
    EXPECT_EQ(delivery->typing.interval(), TypingDelayMs("Hi.", 7));
    EXPECT_TRUE(fakes.additional.chat.isEmpty());
    delivery->DeliverNextLine();
    EXPECT_TRUE(fakes.additional.chat.isEmpty()) << "no second line while the first is typed";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delivery->pending(); }, 10000));
    EXPECT_EQ(fakes.additional.chat,
              QStringList({said("Owner", "Hi."), said("Owner", "Ok."), said("Owner", "Yes?")}));
    EXPECT_EQ(delivery->MultiLineAnswering.interval(), 50);
}

TEST_F(Delivering, TheSameAnswerIsQueuedOnce) {
    Request& r = engine->state.request;
    r.OutputPhrase = "HELLO";
    ::Run(engine->stages.PrepareDelivery, *engine);
    ::Run(engine->stages.PrepareDelivery, *engine);
    EXPECT_EQ(engine->state.stores.MMASStore.size(), 1);
    r.OutputPhrase = "HELLO AGAIN";
    ::Run(engine->stages.PrepareDelivery, *engine);
    requestFrom("Anna");
    ::Run(engine->stages.PrepareDelivery, *engine);
    EXPECT_EQ(engine->state.stores.MMASStore.size(), 3);
}

TEST_F(Delivering, ABusyUsersNextAnswerWaitsForTheFirst) {
    answer("ONE # TWO");
    answer("THREE");
    EXPECT_TRUE(fakes.console.lines.contains(
        "A.I. > MMAS is already busy with user Owner and will launch later."));
    EXPECT_EQ(engine->state.stores.MMASStore.size(), 1);
    EXPECT_TRUE(delivery->MMASStarter.isActive());
    EXPECT_EQ(delivery->MMASStarter.interval(), 1000);
    EXPECT_EQ(fakes.console.statusLines.last(), "NLP COUNT: 0, PROCESSES REMAINING: 0/1");
    deliverAll();
    delivery->MMASStarterTimer();
    EXPECT_TRUE(engine->state.stores.MMASStore.isEmpty());
    deliverAll();
    EXPECT_EQ(fakes.additional.chat,
              QStringList({said("Owner", "One."), said("Owner", "Two."), said("Owner", "Three.")}));
}

TEST_F(Delivering, AnAnswerLeftUnfinishedByAFailedTickIsResumed) {
    brain.db().execute(
        "INSERT INTO mmas (`user`, `phrase`, `finished`, `original`, `channel`, `total`, `type`) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)",
        {"Owner", "LEFT OVER#", "NO", "CUT # LEFT OVER", "Owner", "2", "0"});
    answer("NEXT");
    EXPECT_TRUE(delivery->MultiLineAnswering.isActive());
    deliverAll();
    delivery->MMASStarterTimer();
    deliverAll();
    EXPECT_EQ(fakes.additional.chat,
              QStringList({said("Owner", "Left over."), said("Owner", "Next.")}));
}

TEST_F(Delivering, StopMasDropsTheRestAndSaysSo) {
    setMessages("On Stop MMAS_en", {"okay , stopping"});
    answer("ONE # TWO # THREE # FOUR # FIVE");
    delivery->DeliverNextLine();
    delivery->DeliverNextLine();
    say("[stopmas]");
    EXPECT_TRUE(engine->state.outcomes.StopMmasAnswered);
    deliverAll();
    EXPECT_EQ(fakes.additional.chat, QStringList({said("Owner", "One."), said("Owner", "Two."),
                                                  said("Owner", "Okay, stopping.")}));
}

TEST_F(Delivering, GoesToTheTargetOfItsKind) {
    fakes.irc.online = true;
    requestFrom("Anna", TargetKind::HighlightedChannel, "#talvane");
    answer("HELLO THERE # AND MORE");
    deliverAll();
    answer("NICE TO SEE YOU, ANNA");
    deliverAll();
    requestFrom("Anna", TargetKind::Channel, "#talvane");
    answer("FOR ALL");
    deliverAll();
    requestFrom("Anna", TargetKind::Private);
    answer("[ACTION] WAVES # JUST YOU");
    deliverAll();
    EXPECT_EQ(fakes.irc.sent,
              QStringList({"PRIVMSG #talvane :Anna: Hello there.", "PRIVMSG #talvane :And more.",
                           "PRIVMSG #talvane :Nice to see you, anna.", "PRIVMSG #talvane :For all.",
                           "ACTION Anna :waves.", "PRIVMSG Anna :Just you."}));
    EXPECT_EQ(fakes.additional.chat.mid(4, 1), QStringList({said("Anna", "*TalvaneBOT waves.")}));
}

TEST_F(Delivering, QuietModeAndLocalOnlyChatKeepIrcAnswersOutOfSight) {
    Settings& s = engine->state.settings;
    s.quietProcessingModeInIrc = true;
    requestFrom("Anna", TargetKind::Private);
    answer("SECRET");
    deliverAll();
    EXPECT_TRUE(fakes.irc.sent.isEmpty());
    EXPECT_TRUE(fakes.additional.chat.isEmpty());
    EXPECT_TRUE(fakes.console.lines.contains(
        "A.I. > Unable to respond, because quiet processing mode in IRC is enabled."));
    requestFrom("Owner");
    answer("LOCAL");
    deliverAll();
    EXPECT_EQ(fakes.additional.chat, QStringList({said("Owner", "Local.")}));

    s.quietProcessingModeInIrc = false;
    s.showOnlyLocalChat = true;
    requestFrom("Anna", TargetKind::Private);
    answer("SENT BUT NOT SHOWN");
    deliverAll();
    EXPECT_EQ(fakes.irc.sent, QStringList({"PRIVMSG Anna :Sent but not shown."}));
    EXPECT_EQ(fakes.additional.chat.size(), 1);
}

// An answer for IRC that falls due while IRC is away is never reported as sent: it waits, its row
// unfinished, while the local console is still answered, and goes out once IRC is back.
TEST_F(Delivering, AnswersForIrcWaitWhileItIsAway) {
    fakes.irc.online = false;
    requestFrom("Anna", TargetKind::Private);
    answer("HELLO ANNA # SECOND");
    deliverAll();
    EXPECT_TRUE(fakes.irc.sent.isEmpty());
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > MMAS waits for the IRC connection."));
    requestFrom("Owner");
    answer("LOCAL STILL WORKS");
    deliverAll();
    EXPECT_EQ(fakes.additional.chat, QStringList({said("Owner", "Local still works.")}));
    EXPECT_EQ(brain.db().open("SELECT * FROM mmas WHERE finished=?", {"NO"}), 1);
    EXPECT_FALSE(delivery->pending()) << "a waiting answer keeps no timer running";

    fakes.irc.online = true;
    emit engine->ircReady();
    deliverAll();
    EXPECT_EQ(fakes.irc.sent, QStringList({"PRIVMSG Anna :Hello anna.", "PRIVMSG Anna :Second."}));
}

TEST_F(Delivering, ALineWhoseConnectionWentWhileItWasTypedIsDroppedAndSaidSo) {
    engine->state.settings.typingSimulation = true;
    requestFrom("Anna", TargetKind::Private);
    answer("TYPED SLOWLY");
    delivery->DeliverNextLine();
    ASSERT_TRUE(delivery->typing.isActive());
    fakes.irc.online = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delivery->typing.isActive(); }, 10000));
    EXPECT_TRUE(fakes.irc.sent.isEmpty());
    EXPECT_TRUE(fakes.console.lines.contains(
        "A.I. > No IRC connection: MMAS message 1 to user Anna is dropped."));
}

TEST_F(Delivering, NothingToSayIsNeverSent) {
    requestFrom("Anna", TargetKind::Private);
    for (const char* answerText : {"   ", "HELLO ### # ## THERE", "#", "FINE# [SYSMSG]", " . "}) {
        answer(answerText);
        deliverAll();
    }
    EXPECT_EQ(fakes.irc.sent, QStringList({"PRIVMSG Anna :Hello.", "PRIVMSG Anna :There.",
                                           "PRIVMSG Anna :Fine.", "PRIVMSG Anna :."}));
    EXPECT_EQ(fakes.additional.chat.last(),
              LongTimeText(fakes.clock.at.time()) + " > TalvaneBOT > Anna.")
        << "a lone mark is shown with the conversation's name";
}

TEST_F(Delivering, AnEventWithoutAMessageSaysWhichEventItIs) {
    setMessages("On Nothing Stored_en", {});
    engine->state.request.EventName = "On Nothing Stored";
    ::Run(engine->stages.PrepareEventMessage, *engine);
    ::Run(engine->stages.PrepareDelivery, *engine);
    ::Run(engine->stages.StartDelivery, *engine);
    deliverAll();
    EXPECT_EQ(fakes.additional.chat,
              QStringList({said("Owner", "SYSTEM MESSAGE: On Nothing Stored")}));
    EXPECT_EQ(engine->state.stores.userVariables("Owner").lastAnswer, "")
        << "an event answer is no taught answer";
    answer("SYSTEM MESSAGE: TAUGHT BY SOMEBODY");
    deliverAll();
    EXPECT_EQ(fakes.additional.chat.last(), said("Owner", "System message: taught by somebody."))
        << "a taught answer without the event marker is prepared like any other";
}

TEST_F(Delivering, AnEventNeverSaysTheSameTwiceInARow) {
    // The last output is remembered without double quotes; they must not hide a repetition.
    setMessages("On Two Ways_en", {"say \"cheese\"", "say \"pickles\""});
    for (int round = 0; round < 8; ++round) {
        engine->state.request.EventName = "On Two Ways";
        ::Run(engine->stages.PrepareEventMessage, *engine);
        ::Run(engine->stages.PrepareDelivery, *engine);
        ::Run(engine->stages.StartDelivery, *engine);
        deliverAll();
    }
    ASSERT_EQ(fakes.additional.chat.size(), 8);
    for (int line = 1; line < 8; ++line)
        EXPECT_NE(fakes.additional.chat[line], fakes.additional.chat[line - 1]) << line;
}

TEST_F(Delivering, AnUnknownPhraseIsAnsweredThroughTheCycle) {
    engine->state.settings.useDialogIntroForNewUsers = false;
    for (int level = 1; level <= 5; ++level)
        setMessages(QStringLiteral("On Unknown Answer - Standard Level %1_en").arg(level),
                    {"hmm , no idea"});
    say("qwerty asdf");
    deliverAll();
    EXPECT_EQ(fakes.additional.chat, QStringList({said("Owner", "Hmm, no idea.")}));
}

}  // namespace
