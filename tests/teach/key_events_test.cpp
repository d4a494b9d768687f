#include "teach/teach_fixture.h"

#include <gtest/gtest.h>

namespace {

class ContextChoice : public TeachFixture {
  protected:
    // Anna's last phrase is contextual; her "#BECAUSE" is held for her choice.
    ContextChoice() {
        lastPhrase("WHY 0Y1Z0X1Y I LIKE CATS");
        command("#BECAUSE");
    }
    const TKeyEvents& held() { return engine->state.stores.KeyEventsStore.first(); }
    QStringList questionsTaught() {
        QStringList found;
        Query& db = brain.db();
        db.open("SELECT * FROM interface_s ORDER BY `index`");
        for (db.first(); !db.eof(); db.next())
            found << db.field("question") + " =" + db.field("answer");
        return found;
    }
};

TEST_F(ContextChoice, AContextualQuestionIsHeldUntilTheUserChooses) {
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - KeyEvent - Context"});
    EXPECT_TRUE(handled());
    EXPECT_EQ(engine->state.stores.KeyEventsStore.size(), 1);
    EXPECT_EQ(held().userKey, "Anna");
    EXPECT_EQ(held().eventType, "CONTEXT");
    EXPECT_TRUE(held().active);
    EXPECT_EQ(held().pendingPhrase, "#BECAUSE");
    EXPECT_EQ(held().question, "WHY 0Y1Z0X1Y I LIKE CATS");
    EXPECT_TRUE(questionsTaught().isEmpty());
}

TEST_F(ContextChoice, TheChoiceNamesTheQuestionThatTheAnswerBelongsTo) {
    const struct {
        const char* choice;
        const char* stored;
    } cases[] = {
        {"A", "%WHY%0Y1Z0X1Y%I%LIKE%CATS% = BECAUSE "},
        {"B", "%WHY% = BECAUSE "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        brain.db().execute("DELETE FROM interface_s");
        command("#BECAUSE");
        select(c.choice);
        const KeyEventCheck& o = engine->state.keyEvents;
        EXPECT_EQ(o.KeyEventOutcome, KeyEventOutcome::SkipUnderstanding);
        EXPECT_TRUE(o.KeyEventActive);
        EXPECT_EQ(questionsTaught(), QStringList{c.stored});
        EXPECT_EQ(events, QStringList{"On Manual Learning - Response - success"});
        EXPECT_FALSE(held().active);
        EXPECT_EQ(engine->state.stores.KeyEventsStore.size(), 1);
        EXPECT_TRUE(consoleLines().contains("A.I. > KeyEvent active for context learning."));
    }
    select("A");
    EXPECT_EQ(engine->state.keyEvents.KeyEventOutcome, KeyEventOutcome::None);
    EXPECT_TRUE(consoleLines().contains("A.I. > No KeyEvent is active."));
}

TEST_F(ContextChoice, AWrongSelectionIsToldAndTheQuestionAskedAgain) {
    for (const char* phrase : {"C", "AB", "a", "#HI", ""}) {
        SCOPED_TRACE(phrase);
        select(phrase);
        EXPECT_EQ(engine->state.keyEvents.KeyEventOutcome, KeyEventOutcome::SkipUnderstanding);
        EXPECT_EQ(events, QStringList({"On KeyEvent - Wrong Selection",
                                       "On Manual Learning - Response - KeyEvent - Context"}));
        EXPECT_EQ(deliveries, QStringList{"On KeyEvent - Wrong Selection"});
        EXPECT_TRUE(handled());
        EXPECT_TRUE(held().active);
    }
    EXPECT_TRUE(questionsTaught().isEmpty());
}

TEST_F(ContextChoice, AChoiceRefusedBeforeTheQuestionIsReadKeepsTheEventActive) {
    settings().allowDataTeaching = false;
    select("B");
    EXPECT_EQ(events, QStringList{"On Manual Learning - Learning Not Allowed"});
    EXPECT_TRUE(held().active);
    settings().allowDataTeaching = true;
    select("B", Privilege::BasicUser);
    EXPECT_EQ(events, QStringList{"On Manual Learning - Restricted For You"});
    EXPECT_TRUE(held().active);
    select("B");
    EXPECT_EQ(questionsTaught(), QStringList{"%WHY% = BECAUSE "});
}

TEST_F(ContextChoice, TheChoiceIsTakenInAChannelToo) {
    Request& r = input("B", kNick, TargetKind::Channel);
    r.Privilege = Privilege::Owner;
    CheckKeyEvents(*engine);
    EXPECT_EQ(questionsTaught(), QStringList{"%WHY% = BECAUSE "});
}

TEST_F(ContextChoice, AnExtendIsHeldAndReplayedAsAnExtend) {
    teach("interface_s", "%WHY%", " BECAUSE ");
    brain.db().execute("UPDATE lastphrase_user SET original_question='WHY 0Y1Z0X1Y I LIKE CATS'");
    characterSaid("Because");
    command("##THEY PURR");
    EXPECT_EQ(held().pendingPhrase, "##THEY PURR");
    select("B");
    EXPECT_EQ(questionsTaught(), QStringList{"%WHY% = BECAUSE # THEY PURR "});
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response Extend - success"});
}

TEST_F(ContextChoice, EachUserHasOneEntryAndOnlyTheirOwn) {
    command("#BECAUSE THEY PURR");
    EXPECT_EQ(engine->state.stores.KeyEventsStore.size(), 1);
    EXPECT_EQ(held().pendingPhrase, "#BECAUSE THEY PURR");

    Request& r = input("B", "Bob", TargetKind::Private);
    r.Privilege = Privilege::Owner;
    CheckKeyEvents(*engine);
    EXPECT_EQ(engine->state.keyEvents.KeyEventOutcome, KeyEventOutcome::None);
    EXPECT_TRUE(held().active);

    engine->state.stores.KeyEventsStore.append({"Bob", "OTHER", true, "", ""});
    CheckKeyEvents(*engine);
    EXPECT_EQ(engine->state.keyEvents.KeyEventOutcome, KeyEventOutcome::Consumed);
    EXPECT_TRUE(engine->state.keyEvents.KeyEventActive);
}

}  // namespace
