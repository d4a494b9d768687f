// The !commands on the real servers of the test network: users type them in a channel and in
// private, the owner proves himself with his services account, and the replies are read as the
// users' clients get them.

#include "brain/query.h"
#include "irc/irc_link.h"
#include "irc/irc_online.h"
#include "irc/irc_peers.h"
#include "pipeline/assemble_stages.h"
#include "support/assembled_engine.h"
#include "support/fake_outside.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

// The character online in a channel of its own on one server, with the !commands allowed.
class CommandsOnline : public ::testing::Test {
  protected:
    CommandsOnline() : assembled(brain.db(), outside()) {
        Settings& s = engine().state.settings;
        s.ircServer = "127.0.0.1";
        s.nickname = UniqueName("Tv");
        s.ownersNickname = UniqueName("Own");
        s.defaultJoinChannel = channel;
        s.allowIrcCommands = true;
        s.processPublicMessages = false;
        s.testMode = false;
        s.automaticStartup = false;
        s.nickServIdentity.clear();
        AssembleOnlineStages(engine().stages, online);
    }
    ~CommandsOnline() override {
        online.StopArtificialIntelect();
        WaitUntil([&] { return client.isOffline(); }, 3000);
    }

    Outside outside() {
        Outside o = fakes.outside();
        o.irc = &link;
        return o;
    }
    Engine& engine() { return *assembled.engine; }

    void goOnline(const char* portVariable) {
        const int port = qEnvironmentVariable(portVariable).toInt();
        ASSERT_GT(port, 0) << portVariable << " is not set: run the tests with ./test.";
        this->port = quint16(port);
        engine().state.settings.ircPort = QString::number(port);
        online.StartArtificialIntelect();
        ASSERT_TRUE(WaitUntil([&] { return !client.channels().isEmpty(); }, 20000))
            << fakes.console.lines.join('\n').toStdString();
    }
    ScriptedUser& newUser(const QString& nick, bool join = true) {
        users.push_back(std::make_unique<ScriptedUser>());
        ScriptedUser& user = *users.back();
        EXPECT_TRUE(user.connectTo(port, nick));
        if (join) {
            user.send("JOIN " + channel);
            EXPECT_FALSE(user.waitForLine("*JOIN", 5000).isEmpty());
            // The character has seen the user join, and so knows the address.
            EXPECT_TRUE(WaitUntil([&] { return !online.AddressOf(nick).isEmpty(); }, 5000));
        }
        return user;
    }
    // What `user` got from the character as `kind` ("PRIVMSG", "NOTICE") to `target` with
    // `text`; waits for it.
    static QString got(ScriptedUser& user, const QString& kind, const QString& target,
                       const QString& text, int ms = 10000) {
        return user.waitForLine("*" + kind + ' ' + target + " :" + text, ms);
    }
    static QString action(const QString& text) {
        return QString::fromUtf8(
                   "\x01"
                   "ACTION ") +
               text + QChar(1);
    }

    FakeOutside fakes;
    TestBrain brain;
    IrcClient client;
    IrcLink link{client};
    AssembledEngine assembled;
    IrcOnline online{engine(), client};
    const QString channel = UniqueName("#tv");
    quint16 port = 0;
    std::vector<std::unique_ptr<ScriptedUser>> users;
};

class OnEachServer : public CommandsOnline, public ::testing::WithParamInterface<const char*> {};

TEST_P(OnEachServer, UsersGetTheirRepliesInTheChannelAndInPrivate) {
    goOnline(GetParam());
    const QString bot = engine().state.settings.nickname;
    ScriptedUser& bob = newUser(UniqueName("bob"));
    bob.send("PRIVMSG " + channel + " :!hello qivo");
    EXPECT_FALSE(got(bob, "PRIVMSG", channel, action("is a Q.I.V.O™. Hello!")).isEmpty());
    bob.send("PRIVMSG " + bot + " :!My Status");
    EXPECT_FALSE(got(bob, "PRIVMSG", bob.nick, "Your status is basic user.").isEmpty());
    bob.send("PRIVMSG " + bot + " :!who is owner");
    EXPECT_FALSE(
        got(bob, "PRIVMSG", bob.nick, "My owner is: " + engine().state.settings.ownersNickname)
            .isEmpty());

    // The brain counts in four groups, two seconds apart, equal to the tables.
    bob.send("PRIVMSG " + bot + " :!brain info");
    ASSERT_FALSE(got(bob, "PRIVMSG", bob.nick, "Q.I.V.O™ brain status:").isEmpty());
    QElapsedTimer clock;
    clock.start();
    const QString standard = got(bob, "PRIVMSG", bob.nick, "Standard phrases: ");
    EXPECT_GE(clock.elapsed(), 1800);
    // The last of 13 lines: the send governor lets one line a second go after a burst of four.
    const QString unsolved = got(bob, "PRIVMSG", bob.nick, "Unsolved phrases: ", 20000);
    EXPECT_GE(clock.elapsed(), 5800);
    brain.db().open("SELECT COUNT(*) AS n FROM interface_s");
    EXPECT_TRUE(standard.endsWith("Standard phrases: " + brain.db().field("n")))
        << standard.toStdString();
    brain.db().open("SELECT COUNT(*) AS n FROM unsolved_data");
    EXPECT_TRUE(unsolved.endsWith("Unsolved phrases: " + brain.db().field("n")))
        << unsolved.toStdString() << " / " << brain.db().field("n").toStdString();
    brain.db().open("SELECT COUNT(*) AS n FROM system_messages");
    EXPECT_FALSE(
        got(bob, "PRIVMSG", bob.nick, "A.I. system messages defined: " + brain.db().field("n"))
            .isEmpty());

    // A help storm in private: one help reply in 10 seconds, and Bob, who had the brain
    // counts just now, gets none.
    ScriptedUser& carol = newUser(UniqueName("carol"), false);
    for (int i = 0; i < 5; ++i) {
        carol.send("PRIVMSG " + bot + " :!help 5");
        bob.send("PRIVMSG " + bot + " :!help 5");
    }
    EXPECT_FALSE(got(carol, "PRIVMSG", carol.nick, "Type \"!Contacts\"").isEmpty());
    WaitUntil([] { return false; }, 4000);
    EXPECT_EQ(carol.lines.filter("!Contacts").size(), 1);
    EXPECT_TRUE(bob.lines.filter("!Contacts").isEmpty());
    EXPECT_TRUE(client.isConnected());
}

INSTANTIATE_TEST_SUITE_P(Servers, OnEachServer,
                         ::testing::Values("TALVANE_TEST_NGIRCD_PORT",
                                           "TALVANE_TEST_INSPIRCD_PORT"),
                         [](const auto& info) {
                             return std::string(
                                 QString(info.param).contains("NGIRCD") ? "ngircd" : "inspircd");
                         });

class OnInspircd : public CommandsOnline {
  protected:
    void SetUp() override { goOnline("TALVANE_TEST_INSPIRCD_PORT"); }

    // Registers the owner's account with the services, from a user of the owner's nick.
    void registerOwner() {
        ScriptedUser registrar;
        ASSERT_TRUE(registrar.connectTo(port, owner));
        registrar.send("PRIVMSG NickServ :REGISTER " + password + " a@b.c");
        ASSERT_FALSE(registrar.waitForLine("*registered", 10000).isEmpty());
        registrar.send("QUIT");
        ASSERT_TRUE(WaitUntil([&] { return !registrar.isOpen(); }));
    }

    const QString owner = engine().state.settings.ownersNickname;
    const QString bot = engine().state.settings.nickname;
    const QString password = "secret-" + UniqueName("pw");
};

TEST_F(OnInspircd, TheOwnersNickWithoutTheAccountIsABasicUser) {
    registerOwner();
    ScriptedUser& impostor = newUser(owner);
    impostor.send("PRIVMSG " + bot + " :!join " + channel + "x");
    impostor.send("PRIVMSG " + bot + " :!my status");
    EXPECT_FALSE(got(impostor, "PRIVMSG", owner, "Your status is basic user.", 15000).isEmpty());
    EXPECT_EQ(client.channels().size(), 1);
    EXPECT_TRUE(
        brain.column("SELECT * FROM users_privileges WHERE type = 'OWNER'", "host").isEmpty());
    EXPECT_TRUE(
        brain.column("SELECT * FROM system_channels", "channel").filter(channel + "x").isEmpty());
}

TEST_F(OnInspircd, TheIdentifiedOwnerRunsTheOwnerCommands) {
    registerOwner();
    ScriptedUser& me = newUser(owner);
    me.send("PRIVMSG NickServ :IDENTIFY " + password);
    ASSERT_FALSE(me.waitForLine("*Password accepted", 10000).isEmpty());
    ScriptedUser& bob = newUser(UniqueName("bob"));
    bob.send("PRIVMSG " + bot + " :hello there");
    ASSERT_TRUE(WaitUntil(
        [&] { return !brain.column("SELECT * FROM users_privileges", "host").isEmpty(); }, 10000));

    me.send("PRIVMSG " + bot + " :!my status");
    ASSERT_FALSE(got(me, "PRIVMSG", owner, "Your status is Q.I.V.O™ owner.", 15000).isEmpty());
    me.send("PRIVMSG " + bot + " :!set smoderator " + bob.nick);
    EXPECT_FALSE(
        got(me, "PRIVMSG", owner, "User " + bob.nick + " is now set as Q.I.V.O™ super moderator!")
            .isEmpty());
    EXPECT_FALSE(
        got(bob, "NOTICE", bob.nick, "Your status is now set as a Q.I.V.O™ super moderator!")
            .isEmpty());
    EXPECT_EQ(brain.column("SELECT * FROM users_privileges WHERE type = 'SUPER MODERATOR'", "host"),
              QStringList{online.AddressOf(bob.nick)});

    me.send("PRIVMSG " + bot + " :!bc add spam  word");
    EXPECT_FALSE(got(me, "PRIVMSG", owner, action("added bad content.")).isEmpty());
    EXPECT_EQ(brain.column("SELECT * FROM words_bc", "bc"), QStringList{"SPAM WORD"});

    const QString second = channel + "b";
    me.send("PRIVMSG " + bot + " :!join " + second);
    EXPECT_FALSE(got(me, "PRIVMSG", owner, action("joined channel: " + second)).isEmpty());
    EXPECT_TRUE(WaitUntil([&] { return client.channels().size() == 2; }, 5000));
    me.send("PRIVMSG " + bot + " :!part " + second);
    EXPECT_FALSE(got(me, "PRIVMSG", owner, action("parted channel: " + second)).isEmpty());
    EXPECT_TRUE(WaitUntil([&] { return client.channels().size() == 1; }, 5000));
    EXPECT_TRUE(brain.column("SELECT * FROM system_channels", "channel").filter(second).isEmpty());
}

}  // namespace
