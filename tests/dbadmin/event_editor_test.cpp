#include "dbadmin/event_editor.h"
#include "dbadmin/nickname_list.h"

#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

namespace {

TEST(EventMessageForms, StoredAndWrittenFormsOfTheOwnersMessages) {
    const struct {
        const char* typed;
        const char* added;   // what the message field and list show after adding
        const char* stored;  // what the brain keeps
        const char* listed;  // what choosing the event lists
    } cases[] = {
        {"Hello,, how are you ??", "Hello, how are you?", " hello , how are you ? ",
         "hello, how are you?"},
        {"Hello, [USERNICK]!", "Hello, [USERNICK]!", " hello , [usernick] ! ",
         "hello, [usernick]!"},
        {"wait...", "wait...", " wait . . . ", "wait..."},
        {"two # lines", "two # lines", " two # lines ", "two # lines"},
        {"note:: this!!!", "note: this!", " note : this ! ", "note: this!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString added = MessageToAdd(c.typed);
        EXPECT_EQ(added, c.added);
        EXPECT_EQ(StoredEventMessage(added), c.stored);
        EXPECT_EQ(DisplayedEventMessage(c.stored), c.listed);
        EXPECT_EQ(StoredEventMessage(ChosenEventMessage(c.listed)), c.stored);
    }
    EXPECT_EQ(MessageToAdd("   "), "") << "nothing to add";
    EXPECT_EQ(StoredEventName("On Flood - Kick", false), "On Flood - Kick_en");
    EXPECT_EQ(StoredEventName("On Flood - Kick", true), "On Flood - Kick");
}

TEST(EventEditor, AddsOnceRemovesAndRedescribesInTheChosenLanguage) {
    TestBrain brain;
    Query& db = brain.db();
    EventEditor english(db, false);
    EXPECT_TRUE(english.messages("On Nothing Yet").isEmpty());
    const QString message = MessageToAdd("Hello,, how are you ??");
    EXPECT_EQ(english.add("On Test Event", message, ""), "Event system message added.");
    EXPECT_EQ(english.add("On Test Event", message, "again"),
              "Event system message already exist!");
    EXPECT_EQ(english.messages("On Test Event"), QStringList{"hello, how are you?"});
    EXPECT_EQ(english.description("On Test Event", "hello, how are you?"), "No description.");
    db.open("SELECT event_name FROM system_messages WHERE event_message=' hello , how are you ? '");
    EXPECT_EQ(db.field("event_name"), "On Test Event_en");
    EXPECT_TRUE(EventEditor(db, true).messages("On Test Event").isEmpty());

    EXPECT_EQ(english.modifyDescription("On Test Event", "hello, how are you?", "A greeting"),
              "Event message description modified.");
    EXPECT_EQ(english.description("On Test Event", "hello, how are you?"), "A greeting");
    EXPECT_EQ(english.modifyDescription("On Test Event", "no such", "x"), "Unknown error!");
    EXPECT_EQ(english.remove("On Test Event", MessageToRemove("hello, how are you ?")),
              "Event system message removed.");
    EXPECT_EQ(english.remove("On Test Event", "hello, how are you?"),
              "Event system message does not exist!");
}

TEST(NicknameList, AddRemoveDrawAndFilter) {
    TestBrain brain;
    NicknameList list(brain.db());
    EXPECT_EQ(list.randomName(), std::nullopt);
    EXPECT_EQ(list.add("[Talvane]"), "Entry \"[Talvane]\" added.");
    EXPECT_EQ(list.add("[Talvane]"), "Entry \"[Talvane]\" already exist!");
    EXPECT_EQ(list.add("Quen_mark"), "Entry \"Quen_mark\" added.");
    EXPECT_EQ(list.names(), (QStringList{"[Talvane]", "Quen_mark"}));
    brain.db().open("SELECT name FROM words_ainicknames WHERE name LIKE 'SPCLFTBRCKT%'");
    EXPECT_EQ(brain.db().recordCount(), 1) << "stored in nick encoding";
    EXPECT_EQ(list.remove("[Talvane]"), "Entry \"[Talvane]\" removed.");
    EXPECT_EQ(list.remove("[Talvane]"), "Entry \"[Talvane]\" does not exist!");
    EXPECT_EQ(list.randomName(), QString("Quen_mark"));
    EXPECT_EQ(WithoutForbiddenNickCharacters("Bot!#Name"), "BotName");
    EXPECT_EQ(WithoutForbiddenNickCharacters("[a]-b_c^d`e|f\\g h"), "[a]-b_c^d`e|f\\g h");
}

}  // namespace
