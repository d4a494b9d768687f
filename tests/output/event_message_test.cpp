#include "output/event_message.h"

#include "output_fixture.h"

#include <gtest/gtest.h>

namespace {

class EventMessage : public OutputFixture {
  protected:
    EventMessage() { requestFrom("Anna"); }

    QString prepare(const QString& event) {
        engine->state.request.EventName = event;
        ::Run(engine->stages.PrepareEventMessage, *engine);
        return engine->state.request.OutputPhrase;
    }

    // What the delivery keeps as the character's last output to Anna.
    void rememberAsLastOutput(const QString& phrase) {
        Query& db = brain.db();
        db.execute("DELETE FROM lastphrase_ai WHERE user=?", {"Anna"});
        db.execute(
            "INSERT INTO lastphrase_ai (`user`, `phrase`, `unanswered`, `answered`, "
            "`dialogcount`, `unknowns`) VALUES (?, ?, '0', '0', '0', '0')",
            {"Anna", phrase});
    }
};

TEST_F(EventMessage, ChoosesTheLanguageBySuffix) {
    setMessages("On Test Event", {"sveiki , [USERNICK] !"});
    EXPECT_EQ(prepare("On Test Event"), "SYSTEM MESSAGE: On Test Event [SYSMSG]")
        << "English wanted, only Latvian stored";
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > Set default system message."));
    engine->state.settings.latvianEventSystem = true;
    EXPECT_EQ(prepare("On Test Event"), "SVEIKI , [USERNICK]! [SYSMSG]");
    setMessages("On Test Event_en", {"hello   there  ?"});
    engine->state.settings.latvianEventSystem = false;
    EXPECT_EQ(prepare("on test EVENT"), "HELLO THERE? [SYSMSG]") << "names ignore case";
}

TEST_F(EventMessage, MessagesWithNothingToSayShowTheDefaultText) {
    setMessages("On Blank Event_en", {"   "});
    EXPECT_EQ(prepare("On Blank Event"), "SYSTEM MESSAGE: On Blank Event [SYSMSG]");
}

TEST_F(EventMessage, QueryTextIsItsOwnMessage) {
    EXPECT_EQ(prepare("M_QUERY_THIS_TEXT Hello there ?"), "HELLO THERE? [SYSMSG]");
    EXPECT_EQ(prepare("m_query_this_text hi"), "HI [SYSMSG]");
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > Set custom system message."));
}

TEST_F(EventMessage, NeverRepeatsTheLastOutputWhenAnotherMessageExists) {
    setMessages("On Two Event_en", {"first message", "second message ?"});
    QString last = prepare("On Two Event");
    for (int i = 0; i < 20; ++i) {
        rememberAsLastOutput(last);
        const QString next = prepare("On Two Event");
        ASSERT_NE(next, last) << "draw " << i;
        last = next;
    }
}

TEST_F(EventMessage, DrawingEndsWhenEveryMessageRepeats) {
    setMessages("On Same Event_en", {"same words", "same  words"});
    rememberAsLastOutput("SAME WORDS [SYSMSG]");
    EXPECT_EQ(prepare("On Same Event"), "SAME WORDS [SYSMSG]");
    setMessages("On One Event_en", {"only one"});
    rememberAsLastOutput("ONLY ONE [SYSMSG]");
    EXPECT_EQ(prepare("On One Event"), "ONLY ONE [SYSMSG]") << "one message is always given";
}

TEST_F(EventMessage, LonelyTalkingAddressesTheWatchedUser) {
    setMessages("On Two Event_en", {"first message", "second message"});
    rememberAsLastOutput("FIRST MESSAGE [SYSMSG]");
    engine->state.request.UserKey = "Bob";
    engine->state.lonely.speaking = true;
    engine->state.lonely.userKey = "Anna";
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(prepare("On Two Event"), "SECOND MESSAGE [SYSMSG]");
}

TEST_F(EventMessage, ReplyIsAFinishedLine) {
    setMessages("On Greeting_en", {"hello [USERNICK]. how are you"});
    EXPECT_EQ(PrepareEventReply(*engine, "On Greeting", "Anna"), "Hello Anna. How are you.");
    EXPECT_EQ(engine->state.request.UserKey, "Anna") << "the current request is left alone";
    EXPECT_EQ(PrepareEventReply(*engine, "On Missing", "Anna"), "SYSTEM MESSAGE: On Missing");
}

}  // namespace
