// The character as channel operator on the real servers of the test network that ./test starts:
// it kicks and bans a flooding user through its send queue and records the bans the server set.

#include "brain/nick_encoding.h"
#include "irc/irc_link.h"
#include "irc/irc_online.h"
#include "irc/irc_peers.h"
#include "pipeline/assemble_stages.h"
#include "support/assembled_engine.h"
#include "support/fake_outside.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace {

struct Server {
    const char* name;
    const char* portVariable;
};
void PrintTo(const Server& server, std::ostream* out) {
    *out << server.name;
}

Outside WithIrc(FakeOutside& fakes, IrcSender& irc) {
    Outside outside = fakes.outside();
    outside.irc = &irc;
    return outside;
}

// The default channel is joined at once; the send governor is the real one.
OnlineTimings QuickJoiner() {
    OnlineTimings timings;
    timings.joinerMs = 200;
    return timings;
}

class GuardsOnServer : public ::testing::TestWithParam<Server> {
  protected:
    void SetUp() override {
        port = quint16(qEnvironmentVariable(GetParam().portVariable).toInt());
        if (port == 0)
            GTEST_SKIP() << GetParam().portVariable << " is not set: run the tests with ./test.";
        Settings& s = engine().state.settings;
        s.ircServer = "127.0.0.1";
        s.ircPort = QString::number(port);
        s.nickname = UniqueName("Tv");
        s.defaultJoinChannel = channel;
        s.processPublicMessages = false;
        s.protectFromSpam = s.protectFromBadContent = s.protectFromJoinFlood = false;
        s.protectFromMessageFlood = true;
        s.FloodMs = "5000";
        s.FloodLines = "3";
        s.FloodKicks = "1";
        AssembleOnlineStages(engine().stages, online);
        online.StartArtificialIntelect();
        ASSERT_TRUE(WaitUntil([&] { return isOperator(); }, 15000))
            << fakes.console.lines.join('\n').toStdString();
    }
    Engine& engine() { return *assembled.engine; }
    bool isOperator() {
        for (const TIsOp& status : engine().state.stores.IsOpStore)
            if (status.channel == channel) return status.op == 1;
        return false;
    }
    ScriptedUser& joinedUser(const QString& stem) {
        users.push_back(std::make_unique<ScriptedUser>());
        ScriptedUser& user = *users.back();
        EXPECT_TRUE(user.connectTo(port, UniqueName(stem)));
        user.send("JOIN " + channel);
        EXPECT_FALSE(user.waitForLine("*JOIN", 5000).isEmpty());
        return user;
    }
    int bannedRows(const QString& nick) {
        return brain.db().open("SELECT * FROM users_banned WHERE user=? AND ban_type=?",
                               {nick, QStringLiteral("FLOOD")});
    }

    quint16 port = 0;
    const QString channel = UniqueName("#tv");
    FakeOutside fakes;
    TestBrain brain;
    IrcClient client;
    IrcLink link{client};
    AssembledEngine assembled{brain.db(), WithIrc(fakes, link)};
    IrcOnline online{engine(), client, QuickJoiner()};
    std::vector<std::unique_ptr<ScriptedUser>> users;
};

TEST_P(GuardsOnServer, KicksAFlooderAtTheLimitAndBansAtTheSecondKick) {
    ScriptedUser& bob = joinedUser("bob");
    for (const char* text : {"one", "two", "three"})
        bob.send("PRIVMSG " + channel + " :" + text);
    // Three messages: the first is the one before the fast ones, so no kick yet.
    EXPECT_TRUE(bob.waitForLine("*KICK " + channel, 2000).isEmpty());
    bob.send("PRIVMSG " + channel + " :four");
    const QString kick = bob.waitForLine("*KICK " + channel + ' ' + bob.nick, 10000);
    ASSERT_FALSE(kick.isEmpty()) << bob.lines.join('\n').toStdString();
    EXPECT_TRUE(bob.lines.filter(" MODE ").isEmpty());

    // Back at once: the first kick is allowed, the second bans by nick and by host first.
    const qsizetype from = bob.lines.size();
    bob.send("JOIN " + channel);
    ASSERT_FALSE(bob.waitForLine("*JOIN", 5000, from).isEmpty());
    for (const char* text : {"five", "six", "seven"})
        bob.send("PRIVMSG " + channel + " :" + text);
    ASSERT_FALSE(bob.waitForLine("*KICK " + channel + ' ' + bob.nick, 10000, from).isEmpty())
        << bob.lines.join('\n').toStdString();
    QStringList modes;
    for (const QString& line : bob.lines.mid(from))
        if (line.contains(" MODE " + channel + " +b "))
            modes << line.section(' ', -1).remove(QRegularExpression("^:"));
    EXPECT_EQ(modes, (QStringList{bob.nick + "!*@*", "*!*@127.0.0.1"}))
        << bob.lines.join('\n').toStdString();
    EXPECT_TRUE(WaitUntil([&] { return bannedRows(bob.nick) == 2; }));
    EXPECT_TRUE(client.isConnected());
}

// Twenty flooders at once: each is kicked in turn, and the send queue keeps the character within
// the server's limits.
TEST_P(GuardsOnServer, TwentyFloodersAtOnceAreKickedInTurnWithoutLosingTheLink) {
    engine().state.settings.FloodKicks = "5";
    std::vector<ScriptedUser*> flooders;
    for (int i = 0; i < 20; ++i)
        flooders.push_back(&joinedUser("fl"));
    for (int round = 0; round < 4; ++round)
        for (ScriptedUser* user : flooders)
            user->send("PRIVMSG " + channel + " :flood " + QString::number(round));
    for (ScriptedUser* user : flooders)
        EXPECT_FALSE(user->waitForLine("*KICK " + channel + ' ' + user->nick, 40000).isEmpty())
            << user->nick.toStdString();
    EXPECT_TRUE(client.isConnected());
}

TEST_P(GuardsOnServer, KicksJoinFloodersAndBadNicksOnJoinAndOnNickChange) {
    Settings& s = engine().state.settings;
    s.protectFromMessageFlood = false;
    s.protectFromJoinFlood = s.protectFromBadNicknames = true;
    s.JoinFloodMs = "5000";
    s.JoinFloodAllowed = "1";
    s.JoinFloodKicks = s.BnKicks = "5";
    brain.db().execute("INSERT INTO words_bc (bc) VALUES ('SPAM')");

    ScriptedUser& jumpy = joinedUser("jumpy");
    for (int again = 0; again < 2; ++again) {
        EXPECT_TRUE(jumpy.waitForLine("*KICK " + channel, 1000).isEmpty());
        jumpy.send("PART " + channel);
        jumpy.send("JOIN " + channel);
    }
    EXPECT_FALSE(jumpy.waitForLine("*KICK " + channel + ' ' + jumpy.nick, 10000).isEmpty())
        << jumpy.lines.join('\n').toStdString();

    ScriptedUser& spammy = joinedUser("spam");
    EXPECT_FALSE(spammy.waitForLine("*KICK " + channel + ' ' + spammy.nick, 10000).isEmpty());

    ScriptedUser& changer = joinedUser("calm");
    EXPECT_TRUE(changer.waitForLine("*KICK " + channel, 1000).isEmpty());
    const QString badNick = UniqueName("spam");
    changer.send("NICK " + badNick);
    EXPECT_FALSE(changer.waitForLine("*KICK " + channel + ' ' + badNick, 10000).isEmpty())
        << changer.lines.join('\n').toStdString();
    EXPECT_TRUE(client.isConnected());
}

// Where the character is no operator it does nothing, whatever is written.
TEST_P(GuardsOnServer, LeavesAChannelWhereItIsNoOperatorAlone) {
    ScriptedUser& owner = joinedUser("chop");
    const QString theirs = UniqueName("#own");
    qsizetype from = owner.lines.size();
    owner.send("JOIN " + theirs);
    ASSERT_FALSE(owner.waitForLine("*JOIN", 5000, from).isEmpty());
    from = owner.lines.size();
    // The character's JOIN may wait behind its greeting lines, in its own send queue and in the
    // server's penalty for a client that has just written several lines.
    link.JoinChannel(theirs);
    ASSERT_FALSE(owner.waitForLine("*JOIN", 15000, from).isEmpty());
    for (const char* text : {"one", "two", "three", "four", "five"})
        owner.send("PRIVMSG " + theirs + " :" + text);
    // All five reached the character and passed, none was judged.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return fakes.console.lines.count("A.I. > Public message processing is disabled.") == 5;
        },
        10000));
    EXPECT_TRUE(owner.waitForLine("* KICK ", 1000, from).isEmpty());
    EXPECT_TRUE(client.isConnected());
}

INSTANTIATE_TEST_SUITE_P(Servers, GuardsOnServer,
                         ::testing::Values(Server{"ngircd", "TALVANE_TEST_NGIRCD_PORT"},
                                           Server{"inspircd", "TALVANE_TEST_INSPIRCD_PORT"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
