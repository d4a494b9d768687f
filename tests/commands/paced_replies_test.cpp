// Replies in groups: the help texts and the brain counts go out with their pauses, and a user
// gets at most one such reply in 10 seconds.

#include "commands/help_texts.h"
#include "commands_fixture.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

class PacedReplies : public CommandsFixture {
  protected:
    PacedReplies() { user("Bob", "bob@bob.example", "BASIC USER"); }

    // The texts of the lines sent so far, without "PRIVMSG Bob :".
    QStringList texts() const {
        QStringList found;
        for (const QString& line : fakes.irc.sent)
            found << line.section(" :", 1);
        return found;
    }
};

TEST_F(PacedReplies, HelpGroupsFollowEachOtherAfterTheirPauses) {
    QElapsedTimer clock;
    clock.start();
    type("Bob", "!help");
    EXPECT_EQ(texts(), QStringList({"Welcome to the Q.I.V.O™ Quenmark Talvane™ help system!",
                                    "This help system will provide you with:"}));
    ASSERT_TRUE(waitUntil([&] { return fakes.irc.sent.size() == 8; }, 3000));
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_EQ(texts().last(), "5. Developers' contact information.");
    ASSERT_TRUE(waitUntil([&] { return fakes.irc.sent.size() == 11; }, 3000));
    EXPECT_GE(clock.elapsed(), 3900);
    EXPECT_EQ(texts().last(), "CAUTION: Use all commands only in program's private section!");
    EXPECT_TRUE(fakes.irc.sent.first().startsWith("PRIVMSG Bob :"));
}

// The texts with their pauses: a bar between groups is 2 s, a double bar 2.5 s.
TEST(HelpTexts, EveryHelpTextHasItsGroupsAndPauses) {
    const struct {
        const char* command;
        QList<int> pauses;
        int lines;
        const char* last;
    } cases[] = {
        {"!HELP",
         {0, 2000, 2000},
         11,
         "CAUTION: Use all commands only in program's private section!"},
        {"!HELP 0",
         {0, 2000},
         5,
         "- See Q.I.V.O™ project homepage: https://talvane.example/ for more information about the "
         "program. Thank you for any support."},
        {"!HELP 1",
         {0, 2000, 2500, 2500, 2500},
         15,
         "- !Tm on/off: Enable or disable training mode."},
        {"!HELP 2",
         {0, 2000, 2500, 2500},
         11,
         "- !Bc add/rem + word: Add or remove word that is meant as bad content."},
        {"!HELP 3", {0, 2000}, 4, "- !Tcommands: Training commands."},
        {"!HELP 4", {0, 2000}, 5, "- !Hub server: Information about Q.I.V.O™ Hub Server™."},
        {"!HELP 5", {0}, 1, "Type \"!Contacts\" for program developers' contact information."},
        {"!CONTACTS", {0, 2000}, 6, "- Q.I.V.O™ Support Center: support@quenmark-talvane.example"},
        {"!TCOMMANDS",
         {0, 2000, 2000, 2000},
         7,
         "- Word + <<: Erase the existing context keyword(s)."},
        {"!TRULES", {0, 2000}, 6, "- Basic users can only make conversation with the program."},
        {"!CORE",
         {0, 2000},
         4,
         "- The main programs core is a set of parallel algorithms that are dynamically linked "
         "and cooperating."},
        {"!DATABASE",
         {0, 2000},
         3,
         "- It would be impossible to accomplish this program without this type of server."},
        {"!MMAS", {0, 2000}, 5, "- The program also can respond with many lines of text."},
        {"!HUB SERVER",
         {0, 2000},
         4,
         "- The server administrator can create new updates and choose when the new information "
         "is to be made accessible for all Q.I.V.O™ clients."},
        {"!TM INFO",
         {0, 2000},
         4,
         "- Trainer's text repetitions and other unimportant actions also will be ignored to "
         "decrease the training time."},
    };
    QStringList commands;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        commands << c.command;
        const QList<ReplyGroup> groups = HelpText(c.command, "https://talvane.example/");
        QList<int> pauses;
        QStringList lines;
        for (const ReplyGroup& group : groups) {
            pauses << group.pauseBeforeMs;
            for (const ReplyLine& line : group.lines) {
                EXPECT_FALSE(line.action);
                lines << line.text;
            }
        }
        EXPECT_EQ(pauses, c.pauses);
        EXPECT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.last(), c.last);
    }
    EXPECT_EQ(HelpCommands(), commands);
    EXPECT_TRUE(HelpText("!HELP 6", "").isEmpty());
}

TEST_F(PacedReplies, AUserGetsOneLongReplyInTenSeconds) {
    type("Bob", "!help 5");
    EXPECT_EQ(fakes.irc.sent.size(), 1);
    for (const char* again : {"!help 5", "!help", "!brain info", "!qmatches hello"}) {
        SCOPED_TRACE(again);
        fakes.clock.at = fakes.clock.at.addSecs(2);
        type("Bob", again);
        EXPECT_TRUE(commandDone());
        EXPECT_TRUE(fakes.irc.sent.isEmpty());
        EXPECT_TRUE(fakes.console.lines.join('\n').contains("A.I. > No reply to Bob for \""));
    }
    // Others are not held back, and after 10 seconds Bob is answered again.
    user("Carol", "carol@carol.example", "BASIC USER");
    type("Carol", "!help 5");
    EXPECT_EQ(fakes.irc.sent.size(), 1);
    fakes.clock.at = fakes.clock.at.addSecs(2);
    type("Bob", "!help 5");
    EXPECT_EQ(fakes.irc.sent.size(), 1);
}

TEST_F(PacedReplies, BrainInfoGivesTheCountsOfTheCycle) {
    QElapsedTimer clock;
    clock.start();
    type("Bob", "!brain info");
    EXPECT_EQ(texts(), QStringList{"Q.I.V.O™ brain status:"});
    ASSERT_TRUE(waitUntil([&] { return fakes.irc.sent.size() == 13; }, 8000));
    EXPECT_GE(clock.elapsed(), 5900);
    const BrainCounts& c = engine->state.counts;
    const auto n = [](qint64 count) { return QString::number(count); };
    EXPECT_EQ(
        texts().mid(1),
        QStringList({"Standard phrases: " + n(c.interfaceS), "Question phrases: " + n(c.interfaceQ),
                     "Command synonyms defined: " + n(c.cmdSynonyms),
                     "Word synonyms defined: " + n(c.synonyms),
                     "Word corrections defined: " + n(c.corrections),
                     "Context keywords defined: " + n(c.contextWords),
                     "Positive words defined: " + n(c.positiveWords),
                     "Negative words defined: " + n(c.negativeWords),
                     "Case sensitive words defined: " + n(c.caseSensitiveWords),
                     "A.I. system messages defined: " + n(c.systemMessages),
                     "Known users: " + n(c.lastphraseUser),
                     "Unsolved phrases: " + n(c.unsolvedData)}));
    EXPECT_GT(c.systemMessages, 0);
}

}  // namespace
