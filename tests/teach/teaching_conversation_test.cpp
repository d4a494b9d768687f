#include "brain/query.h"
#include "engine/text_files.h"
#include "output/output_fixture.h"

#include <gtest/gtest.h>

namespace {

// The owner teaches the character in the local chat, through the whole cycle and delivery.
class Conversation : public OutputFixture {
  protected:
    Conversation() {
        Settings& s = engine->state.settings;
        s.useDialogIntroForNewUsers = false;
        s.allowDataTeaching = true;
        s.enableMixedWordRecognition = true;
        s.enableAdvancedDataMatching = true;
    }

    // What the character says back to `phrase`, line by line. Every phrase is said half an hour
    // after the one before, so that nothing counts as a repetition.
    QStringList reply(const QString& phrase) {
        fakes.clock.at = fakes.clock.at.addSecs(1800);
        fakes.additional.chat.clear();
        say(phrase);
        deliverAll();
        QStringList lines;
        for (const QString& line : fakes.additional.chat)
            lines << line.section(" : ", 1);
        return lines;
    }
    bool logged(const QString& line) const { return fakes.console.lines.contains(line); }
};

TEST_F(Conversation, TaughtAnswersComeBackExtendedAndModified) {
    reply("hello");
    reply("#hi there, friend!");
    EXPECT_EQ(reply("hello"), QStringList{"Hi there, friend!"});
    reply("##and you?");
    EXPECT_TRUE(logged("A.I. > Response extended and now contains 2 lines (33 symbols)."));
    EXPECT_EQ(reply("hello"), QStringList({"Hi there, friend!", "And you?"}));
    reply("#hi there, freind!");
    EXPECT_TRUE(logged("A.I. > Response modified."));
    EXPECT_EQ(reply("hello"), QStringList({"Hi there, freind!", "And you?"}));

    reply("good morning");
    reply("#morning to you");
    fakes.console.lines.clear();
    reply("#morning to you");
    EXPECT_TRUE(logged("A.I. > Response learning error: Information already exist."));
}

// The NLP log shows a teaching command as the user typed it, "##" for an extend, taught or
// refused.
TEST_F(Conversation, TheNlpLogKeepsTheTeachingCommandsForm) {
    reply("see you");
    reply("#see you tomorrow");
    reply("##and good night");
    reply("bye");
    reply("##really");  // nothing to extend: refused
    const QStringList received =
        ReadTextLines(homeDir.filePath("Logs/NLP/Owner.log")).filter("System received: ");
    ASSERT_EQ(received.size(), 5);
    const QStringList expected = {"see you", "#see you tomorrow", "##and good night", "bye",
                                  "##really"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(received[i].contains("System received: " + expected[i] + " |") ||
                    received[i].endsWith("System received: " + expected[i]))
            << received[i].toStdString();
}

// An answer taught through the context choice is stored under the user's personality, so the
// lookups that match personality find it again.
TEST_F(Conversation, AnAnswerTaughtThroughTheContextChoiceKeepsThePersonality) {
    reply("why>>");
    reply("tell me a joke");
    reply("#no jokes today");
    reply("tell me a joke");
    reply("why");
    EXPECT_TRUE(logged("A.I. > Context keyword(s) found: \"why\"."));
    reply("#because we are serious");
    reply("A");
    Query& db = brain.db();
    db.open("SELECT personality FROM interface_s WHERE answer LIKE '%SERIOUS%'");
    ASSERT_EQ(db.recordCount(), 1);
    EXPECT_EQ(db.field("personality"), "Normal");
    reply("tell me a joke");
    EXPECT_EQ(reply("why"), QStringList{"Because we are serious."});
}

TEST_F(Conversation, QuestionsMixedWordsAndAdvancedMatching) {
    reply("what time is it?");
    reply("#it is noon");
    EXPECT_EQ(reply("WHAT TIME IS IT?"), QStringList{"It is noon."});
    fakes.console.lines.clear();
    reply("what time is it");
    EXPECT_TRUE(logged("A.I. > Answer not found."));

    reply("how are you");
    reply("#fine, thanks");
    EXPECT_EQ(reply("you are how"), QStringList{"Fine, thanks."});

    reply("what time");
    reply("#time for tea");
    fakes.console.lines.clear();
    EXPECT_EQ(reply("what is the time now"), QStringList{"Time for tea."});
    EXPECT_TRUE(logged("A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"));
}

}  // namespace
