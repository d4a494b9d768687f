// The user commands through the whole cycle: how they are recognised, and what they answer.

#include "commands_fixture.h"

#include <gtest/gtest.h>

namespace {

class UserCommands : public CommandsFixture {
  protected:
    UserCommands() {
        user("Bob", "bob@bob.example", "BASIC USER");
        user("Carol", "carol@carol.example", "SUPER MODERATOR");
    }
};

TEST_F(UserCommands, RecognitionFollowsTheMessageShape) {
    const struct {
        const char* text;
        bool command;
    } cases[] = {
        {"!help", true},
        {"!HeLp", true},
        {" !help", false},  // exact: the command alone
        {"!help me", false},
        {"!my status", true},
        {"!my status please", false},
        {"!status of Carol", true},  // in raw: anywhere
        {"tell me !status of Carol", true},
        {"!status of", false},  // no nick: an ordinary phrase
        {"!status of two words", false},
        {"!who is owner", true},
        {"!tm on", true},
        {"!tm on now", false},
        {"what !qmatches hello", true},  // in phrase: anywhere
        {"!last phrase", true},
        {"and !teached", true},
        {"!hello qivo", true},
        {"hello qivo", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fakes.clock.at = fakes.clock.at.addSecs(60);  // no pacing between the cases
        type("Bob", c.text);
        EXPECT_EQ(commandDone(), c.command);
    }
}

TEST_F(UserCommands, RepliesCarryTheirTextsAndKinds) {
    brain.db().execute(
        "INSERT INTO users_stats (user, teached_count, erased_count) VALUES (?, "
        "'7', '2'), (?, '3', '1')",
        {EncodeNick("Bob"), "Dan"});
    brain.db().execute(
        "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
        "mmas_answer, original_question, interface_type) VALUES (?, 'HI THERE', 'NO', 'NO', '', "
        "'', '', 'interface_s')",
        {EncodeNick("Bob")});
    const struct {
        const char* nick;
        const char* text;
        QStringList sent;
    } cases[] = {
        {"Bob", "!my status", {"PRIVMSG Bob :Your status is basic user."}},
        {"Carol", "!my status", {"PRIVMSG Carol :Your status is Q.I.V.O™ super moderator."}},
        {"Bob", "!who is owner", {"PRIVMSG Bob :My owner is: Owner"}},
        {"Bob",
         "!status of Carol",
         {"PRIVMSG Bob :Users Carol status is Q.I.V.O™ super moderator."}},
        {"Bob",
         "!status of  Nobody ",
         {"ACTION Bob :does not know users Nobody hostname.",
          "PRIVMSG Bob :User Nobody has to make some conversation with me."}},
        {"Bob", "!last phrase", {"PRIVMSG Bob :Your Last Phrase: HI THERE"}},
        {"Carol", "!last phrase bob", {"PRIVMSG Carol :Users BOB Last Phrase: HI THERE"}},
        {"Carol", "!last phrase", {"PRIVMSG Carol :Your Last Phrase: UNKNOWN VALUE"}},
        {"Bob", "!teached", {"PRIVMSG Bob :You teached 7 responses."}},
        {"Carol", "!teached TalvaneBOT dan", {"PRIVMSG Carol :User DAN teached 3 responses."}},
        {"Bob", "!erased", {"PRIVMSG Bob :You erased 2 responses."}},
        {"Carol", "!erased", {"PRIVMSG Carol :You erased UNKNOWN VALUE responses."}},
        {"Bob", "!tm on", {"ACTION Bob :enabled training mode for you."}},
        {"Bob", "!tm off", {"ACTION Bob :disabled training mode for you."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(type(c.nick, c.text), c.sent);
        EXPECT_TRUE(commandDone());
    }
    EXPECT_EQ(brain.column("SELECT * FROM users_options", "ease_teaching"), QStringList{"NO"});

    engine->state.settings.allowTrainingMode = false;
    EXPECT_EQ(type("Bob", "!TM ON"), QStringList{"ACTION Bob :cannot enable or disable \"Ease "
                                                 "Teaching\" mode. Option is disabled by the "
                                                 "owner."});
    EXPECT_EQ(brain.column("SELECT * FROM users_options", "ease_teaching"), QStringList{"NO"});
}

TEST_F(UserCommands, HelloGoesWhereTheMessageCameFrom) {
    EXPECT_EQ(type("Bob", "!Hello Qivo", "#talvane"),
              QStringList{"ACTION #talvane :is a Q.I.V.O™. Hello!"});
    EXPECT_EQ(type("Bob", "!hello qivo"), QStringList{"ACTION Bob :is a Q.I.V.O™. Hello!"});
}

TEST_F(UserCommands, TheStatusOfANickIsTheOneOfTheAddressItIsOnlineFrom) {
    // An OWNER row for another address of the nick says nothing of who uses it now.
    row("Owner", "owner@home.example", "OWNER");
    user("Owner", "owner@impostor.example", "BASIC USER");
    EXPECT_EQ(type("Bob", "!status of Owner"),
              QStringList{"PRIVMSG Bob :Users Owner status is basic user."});
    online.remove("owner");
    EXPECT_EQ(type("Bob", "!status of Owner"),
              QStringList{"PRIVMSG Bob :Users Owner status is Q.I.V.O™ owner."});
}

TEST_F(UserCommands, TemporaryModeratorsAreToldSo) {
    engine->state.settings.testMode = true;
    EXPECT_EQ(type("Bob", "!my status"),
              QStringList{"PRIVMSG Bob :Your status is Q.I.V.O™ temporary basic moderator."});
}

TEST_F(UserCommands, IgnoredUsersAndTheLocalConsoleGetNoCommand) {
    user("Dave", "dave@dave.example", "IGNORED");
    EXPECT_TRUE(type("Dave", "!my status").isEmpty());
    EXPECT_FALSE(commandDone());
    fakes.console.lines.clear();
    say("!who is owner");
    EXPECT_FALSE(commandDone());
}

TEST_F(UserCommands, MatchesAreCountedInBothInterfaceTables) {
    for (const char* table : {"interface_s", "interface_q"})
        brain.db().execute(QStringLiteral("INSERT INTO %1 (question, answer) VALUES "
                                          "('%HOW%ARE%YOU%', 'FINE THANKS'), "
                                          "('%HOW%OLD%ARE%YOU%', 'OLD ENOUGH')")
                               .arg(table));
    brain.db().execute("INSERT INTO interface_s (question, answer) VALUES ('%ARE%YOU%OK%', 'YES')");
    EXPECT_EQ(type("Bob", "!qmatches   are   you"),
              QStringList{"ACTION Bob :counting querry matches for sentence \"are you\" in "
                          "Q.I.V.O™ brain.."});
    EXPECT_TRUE(commandDone());
    ASSERT_TRUE(waitUntil([&] { return fakes.irc.sent.size() == 4; }, 3000));
    EXPECT_EQ(fakes.irc.sent.mid(1),
              QStringList({"ACTION Bob :found 3 matches in standard phrase database.",
                           "ACTION Bob :found 2 matches in question phrase database.",
                           "ACTION Bob :finished counting."}));

    fakes.clock.at = fakes.clock.at.addSecs(10);
    type("Bob", "!rmatches (unclosed");  // no valid expression: no match
    ASSERT_TRUE(waitUntil([&] { return fakes.irc.sent.size() == 4; }, 3000));
    EXPECT_EQ(fakes.irc.sent[0],
              "ACTION Bob :counting response matches for sentence \"(unclosed\" in Q.I.V.O™ "
              "brain..");
    EXPECT_EQ(fakes.irc.sent[1], "ACTION Bob :found 0 matches in standard phrase database.");
}

}  // namespace
