// The client against the real servers of the throwaway test network that ./test starts
// (scripts/test-irc-network): ngircd, and inspircd linked with anope for NickServ and SASL.

#include "irc/irc_client.h"
#include "irc_peers.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Server {
    const char* name;
    const char* portVariable;
};
void PrintTo(const Server& server, std::ostream* out) {
    *out << server.name;
}
const Server kNgircd = {"ngircd", "TALVANE_TEST_NGIRCD_PORT"};
const Server kInspircd = {"inspircd", "TALVANE_TEST_INSPIRCD_PORT"};

// A client with a fresh nick, recording its events, and users on the same server.
class OnServer : public ::testing::Test {
  protected:
    OnServer() : events(client) {}

    void useServer(const Server& server) {
        port = quint16(FromNetwork(server.portVariable));
        if (port == 0) GTEST_FAIL();
    }
    IrcConnectSettings settings() const { return LocalSettings(port, nick); }
    void registerClient(const IrcConnectSettings& connectSettings) {
        client.connectToServer(connectSettings);
        ASSERT_TRUE(events.waitFor("registered " + connectSettings.nick, 10000))
            << events.events.join('\n').toStdString();
    }
    ScriptedUser& newUser(const QString& stem = "user") {
        users.push_back(std::make_unique<ScriptedUser>());
        EXPECT_TRUE(users.back()->connectTo(port, UniqueName(stem)));
        return *users.back();
    }
    // Registers a NickServ account for `account` with `password`, from a user of that nick.
    void registerAccount(const QString& account, const QString& password) {
        ScriptedUser owner;
        ASSERT_TRUE(owner.connectTo(port, account));
        owner.send("PRIVMSG NickServ :REGISTER " + password + " a@b.c");
        ASSERT_FALSE(owner.waitForLine("*registered", 10000).isEmpty())
            << owner.lines.join('\n').toStdString();
        owner.send("QUIT");
        ASSERT_TRUE(WaitUntil([&] { return !owner.isOpen(); }));
    }

    quint16 port = 0;
    const QString nick = UniqueName("Tv");
    IrcClient client;
    ClientEvents events;
    std::vector<std::unique_ptr<ScriptedUser>> users;
};

class OnEachServer : public OnServer, public ::testing::WithParamInterface<Server> {
  protected:
    void SetUp() override { useServer(GetParam()); }
};

TEST_P(OnEachServer, RegistersJoinsAndHearsUsersWhateverTheyWrite) {
    registerClient(settings());
    const QString channel = UniqueName("#tv");
    client.join(channel);
    ASSERT_TRUE(events.waitFor("joined " + channel));
    ASSERT_TRUE(events.waitFor("namesReply " + channel + ' ' + nick + "(o)"));
    EXPECT_EQ(client.ownModes(channel), "o");

    ScriptedUser& alice = newUser("alice");
    alice.send("JOIN " + channel);
    ASSERT_TRUE(WaitUntil([&] { return !events.starting("userJoined " + alice.nick).isEmpty(); }));
    const QStringList said = {
        "PRIVMSG " + channel + " :" + nick + ": hello there",
        "PRIVMSG " + nick + " :a private word",
        "PRIVMSG " + channel +
            " :\x01"
            "ACTION waves\x01",
        "PRIVMSG " + channel + " :KICK " + channel + ' ' + nick,
        "PRIVMSG " + channel + " :MODE " + channel + " -o " + nick,
        "PRIVMSG " + nick + " :\x01VERSION\x01",
    };
    for (const QString& line : said)
        alice.send(line);
    const QString reply = QString::fromUtf8(" :\x01VERSION Q.I.V.O™ Quenmark Talvane™\x01");
    EXPECT_FALSE(alice.waitForLine("*NOTICE " + alice.nick + reply, 10000).isEmpty());
    const QString from = "message " + alice.nick + ' ';
    ASSERT_EQ(events.starting(from).size(), 4) << events.events.join('\n').toStdString();
    const QStringList messages = events.starting(from);
    EXPECT_TRUE(messages[0].endsWith(' ' + nick + ": hello there " + channel));
    EXPECT_TRUE(messages[1].endsWith(" a private word "));
    EXPECT_TRUE(messages[2].endsWith(" KICK " + channel + ' ' + nick + ' ' + channel));
    EXPECT_EQ(events.starting("action " + alice.nick).size(), 1);
    EXPECT_TRUE(events.starting("action " + alice.nick).value(0).endsWith(" waves " + channel));
    EXPECT_TRUE(events.starting("kicked").isEmpty());
    EXPECT_EQ(client.ownModes(channel), "o");

    // Real mode and kick lines, in each server's own form.
    client.sendRaw("MODE " + channel + " +o " + alice.nick);
    ASSERT_TRUE(events.waitFor("modeChanged " + channel + ' ' + nick + " +o" + alice.nick));
    alice.send("MODE " + channel + " -o+v " + nick + ' ' + nick);
    ASSERT_TRUE(
        events.waitFor("modeChanged " + channel + ' ' + alice.nick + " -o" + nick + " +v" + nick));
    EXPECT_EQ(client.ownModes(channel), "v");
    alice.send("KICK " + channel + ' ' + nick + " :out you go");
    EXPECT_TRUE(events.waitFor("kicked " + alice.nick + ' ' + channel + " out you go"));
    EXPECT_TRUE(client.channels().isEmpty());
    EXPECT_TRUE(client.isConnected());
}

TEST_P(OnEachServer, ServerPingsAreAnswered) {
    registerClient(settings());
    const int pingSeconds = FromNetwork("TALVANE_TEST_IRC_PING_SECONDS");
    ASSERT_GT(pingSeconds, 0);
    ASSERT_TRUE(WaitUntil([&] { return !events.starting("pingPong").isEmpty(); },
                          (3 * pingSeconds + 10) * 1000));
    EXPECT_TRUE(events.sent.contains("PONG :" + events.starting("pingPong").first().mid(9)));
    // Still there a ping period later.
    WaitUntil([] { return false; }, 2 * pingSeconds * 1000);
    EXPECT_TRUE(client.isConnected()) << events.events.join('\n').toStdString();
}

TEST_P(OnEachServer, NickInUseFallsBackToTheAlternativeAndTakesTheNickBack) {
    ScriptedUser holder;
    ASSERT_TRUE(holder.connectTo(port, nick));
    IrcTimings timings;
    timings.nickRegainMs = 600000;  // only the holder's leaving brings the nick back here
    client.setTimings(timings);
    client.connectToServer(settings());
    ASSERT_TRUE(events.waitFor("registered QIVO3", 10000))
        << events.events.join('\n').toStdString();
    EXPECT_EQ(events.starting("nickRefused " + nick + " 433 ").size(), 1);
    // The client sees the holder leave in a channel they share.
    const QString channel = UniqueName("#tv");
    client.join(channel);
    ASSERT_TRUE(events.waitFor("joined " + channel));
    holder.send("JOIN " + channel);
    ASSERT_TRUE(WaitUntil([&] { return !events.starting("userJoined " + nick).isEmpty(); }));
    holder.send("QUIT :leaving");
    EXPECT_TRUE(events.waitFor("ownNickChanged QIVO3 " + nick, 10000));
    EXPECT_EQ(client.currentNick(), nick);
}

INSTANTIATE_TEST_SUITE_P(Servers, OnEachServer, ::testing::Values(kNgircd, kInspircd),
                         [](const auto& info) { return std::string(info.param.name); });

class OnNgircd : public OnServer {
  protected:
    void SetUp() override { useServer(kNgircd); }
};

// ngircd drops a client that sends a line over 512 bytes: the answer must arrive cut.
TEST_F(OnNgircd, ASevenHundredCharacterMessageArrivesAsSeveralLines) {
    registerClient(settings());
    ScriptedUser& reader = newUser("reader");
    const QStringList texts = {QString::fromUtf8("ā").repeated(350) + QString("x").repeated(350),
                               QString("seven hundred characters ").repeated(28)};
    for (const QString& text : texts)
        client.sendPrivmsg(reader.nick, text);
    client.sendPrivmsg(reader.nick, "after");
    const QString head = "PRIVMSG " + reader.nick + " :";
    ASSERT_FALSE(reader.waitForLine("*" + head + "after", 15000).isEmpty());
    QStringList pieces;
    for (qsizetype i = 0; i < reader.lines.size(); ++i) {
        const qsizetype at = reader.lines[i].indexOf(head);
        if (at < 0) continue;
        EXPECT_LE(reader.rawLines[i].size() + 2, 512) << reader.lines[i].toStdString();
        pieces << reader.lines[i].mid(at + head.size());
    }
    ASSERT_EQ(pieces.takeLast(), "after");
    EXPECT_GE(pieces.size(), 5);
    EXPECT_EQ(pieces.join("").remove(' '), texts.join("").remove(' '));
    EXPECT_TRUE(client.isConnected());
    EXPECT_TRUE(events.starting("disconnected").isEmpty());
}

class OnInspircd : public OnServer {
  protected:
    void SetUp() override { useServer(kInspircd); }
};

TEST_F(OnInspircd, IdentifiesWithNickServWhenAskedAndSaslIsOff) {
    const QString password = UniqueName("pw-");
    registerAccount(nick, password);
    IrcConnectSettings withPassword = settings();
    withPassword.nickServPassword = password;
    withPassword.sasl = false;
    registerClient(withPassword);
    EXPECT_TRUE(events.waitFor("identified " + nick, 10000))
        << events.events.join('\n').toStdString();
    EXPECT_TRUE(events.sent.contains("PRIVMSG NickServ :IDENTIFY ****"));
    EXPECT_TRUE(events.sent.filter("AUTHENTICATE").isEmpty());
    EXPECT_EQ(client.account(), nick);
}

TEST_F(OnInspircd, LogsInWithSaslPlainWhenOffered) {
    const QString password = UniqueName("pw-");
    registerAccount(nick, password);
    IrcConnectSettings withPassword = settings();
    withPassword.nickServPassword = password;
    registerClient(withPassword);
    EXPECT_TRUE(events.waitFor("identified " + nick, 10000))
        << events.events.join('\n').toStdString();
    EXPECT_TRUE(events.sent.contains("AUTHENTICATE PLAIN"));
    EXPECT_TRUE(events.sent.contains("AUTHENTICATE ****"));
    // No NickServ notice follows a SASL login, so nothing is sent to NickServ.
    client.sendRaw("PING :settled");
    ASSERT_TRUE(WaitUntil([&] {
        return !events.starting("pingPong").isEmpty() || events.sent.contains("PING :settled");
    }));
    WaitUntil([] { return false; }, 1500);
    EXPECT_TRUE(events.sent.filter("NickServ").isEmpty());
}

TEST_F(OnInspircd, ABurstOfThirtyLinesNeverTripsTheFloodLimit) {
    registerClient(settings());  // the governor as it runs: 4 lines, then 1 a second
    ScriptedUser& reader = newUser("reader");
    QStringList sent;
    for (int i = 1; i <= 30; ++i)
        sent << QString("line %1").arg(i);
    for (const QString& line : sent)
        client.sendPrivmsg(reader.nick, line);
    const QString head = "PRIVMSG " + reader.nick + " :";
    const auto arrived = [&] {
        QStringList texts;
        for (const QString& line : reader.lines)
            if (line.contains(head)) texts << line.mid(line.indexOf(head) + head.size());
        return texts;
    };
    EXPECT_TRUE(WaitUntil([&] { return arrived().size() == 30 || !client.isConnected(); }, 60000));
    EXPECT_EQ(arrived(), sent);
    EXPECT_TRUE(client.isConnected()) << events.starting("disconnected").join('\n').toStdString();
}

TEST_F(OnInspircd, TlsWithTheServersCertificateOrWithoutVerifying) {
    const int tlsPort = FromNetwork("TALVANE_TEST_INSPIRCD_TLS_PORT");
    const QString caFile = qEnvironmentVariable("TALVANE_TEST_IRC_CA_FILE");
    ASSERT_GT(tlsPort, 0);
    ASSERT_FALSE(caFile.isEmpty())
        << "TALVANE_TEST_IRC_CA_FILE is not set: run the tests with ./test.";
    const struct {
        bool verify;
        bool withCa;
        const char* outcome;
    } cases[] = {
        {true, true, "registered"},
        {false, false, "registered"},
        {true, false, "disconnected TLS: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.outcome) + (c.withCa ? " with CA" : ""));
        IrcClient tlsClient;
        ClientEvents seen(tlsClient);
        IrcConnectSettings tls = LocalSettings(quint16(tlsPort), UniqueName("Tls"));
        tls.tls = true;
        tls.tlsVerify = c.verify;
        if (c.withCa) tls.caFile = caFile;
        tlsClient.connectToServer(tls);
        ASSERT_TRUE(WaitUntil(
            [&] {
                return !seen.starting("registered").isEmpty() ||
                       !seen.starting("disconnected").isEmpty();
            },
            10000));
        EXPECT_FALSE(seen.starting(c.outcome).isEmpty()) << seen.events.join('\n').toStdString();
    }
}

// A server of the test's own, so that killing it disturbs no other test.
TEST(KilledServer, TheClientReportsTheLostLink) {
    OwnNgircd ngircd;
    ASSERT_TRUE(ngircd.start());
    IrcClient client;
    ClientEvents events(client);
    client.connectToServer(LocalSettings(ngircd.port(), "doomed"));
    ASSERT_TRUE(events.waitFor("registered doomed"));
    ngircd.kill();
    EXPECT_TRUE(events.waitFor("disconnected The server closed the connection."))
        << events.events.join('\n').toStdString();
    EXPECT_FALSE(client.isConnected());
}

}  // namespace
