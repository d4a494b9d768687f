#include "irc/irc_client.h"
#include "irc/irc_wire.h"
#include "irc_peers.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

namespace {

// The quick intervals, with lines governed to one every `intervalMs`.
IrcTimings OneLineEvery(int intervalMs) {
    IrcTimings timings = QuickTimings();
    timings.sendBurstLines = 1;
    timings.sendIntervalMs = intervalMs;
    return timings;
}

// A client and a scripted server of their own, for cases that each need a fresh registration.
struct FreshLink {
    FreshLink() { client.setTimings(QuickTimings()); }
    // Connects with `settings` and waits for the client's USER line.
    bool start(IrcConnectSettings settings) {
        settings.port = server.port();
        client.connectToServer(settings);
        return server.accept() && !server.waitForLine("USER ").isEmpty();
    }
    ScriptedServer server;
    IrcClient client;
    ClientEvents events{client};
};

// The client against a server the test scripts line by line.
class ScriptedLink : public ::testing::Test, protected FreshLink {
  protected:
    // Connects with `settings` (or as "bot"), and answers the registration up to 001.
    void registerAs(IrcConnectSettings settings = {}, const QString& mask = "~user@127.0.0.1") {
        if (settings.nick.isEmpty()) settings = LocalSettings(0, "bot");
        ASSERT_TRUE(start(settings));
        ASSERT_TRUE(server.welcome(settings.nick, mask));
        ASSERT_TRUE(events.waitFor("registered " + settings.nick));
    }
    // Connects and stops after the client's USER line, before any answer.
    void connectOnly(const IrcConnectSettings& settings) { ASSERT_TRUE(start(settings)); }
    // Sends a line and waits until the client has read it.
    void serverSays(const QString& line) {
        const qsizetype before = received;
        server.send(line);
        ASSERT_TRUE(WaitUntil([&] { return received > before; })) << line.toStdString();
    }
    // The lines the client sent from index `from` on, in order.
    QStringList sentFrom(qsizetype from) const { return server.lines.mid(from); }

    qsizetype received = 0;

  private:
    QMetaObject::Connection counting =
        QObject::connect(&client, &IrcClient::received, [this] { ++received; });
};

TEST_F(ScriptedLink, RegistersWithCapNickAndUserAndNeverSendsTheNickServPasswordAsPass) {
    const struct {
        const char* serverPassword;
        QStringList firstLines;
    } cases[] = {
        {"", {"CAP LS 302", "NICK bot", "USER Q.I.V.O.3 0 * :A.I."}},
        {"letmein", {"PASS :letmein", "CAP LS 302", "NICK bot", "USER Q.I.V.O.3 0 * :A.I."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serverPassword);
        FreshLink link;
        IrcConnectSettings settings = LocalSettings(0, "bot");
        settings.nickServPassword = "nickserv-secret";
        settings.serverPassword = c.serverPassword;
        ASSERT_TRUE(link.start(settings));
        EXPECT_EQ(link.server.lines, c.firstLines);
        link.server.send(":irc.test CAP * LS :multi-prefix");
        EXPECT_FALSE(link.server.waitForLine("CAP END").isEmpty());
        EXPECT_FALSE(link.server.lines.join('\n').contains("nickserv-secret"));
        EXPECT_FALSE(link.events.sent.join('\n').contains("letmein"));
        EXPECT_EQ(link.events.events.value(0), "connected");
    }
}

TEST_F(ScriptedLink, UsernameAndRealNameComeFromTheCaller) {
    IrcConnectSettings settings = LocalSettings(0, "bot");
    settings.username = "my user";
    settings.realName = "Real\r\nName";
    connectOnly(settings);
    EXPECT_EQ(server.lines.last(), "USER myuser 0 * :Real Name");
}

// The base64 of "\0bot\0" + password, in lines of 400 characters, with "AUTHENTICATE +" after
// a last line of exactly 400.
QStringList SaslLines(const QString& password) {
    const QByteArray encoded =
        (QByteArray(1, '\0') + "bot" + QByteArray(1, '\0') + password.toUtf8()).toBase64();
    QStringList lines;
    for (qsizetype i = 0; i < encoded.size(); i += 400)
        lines << "AUTHENTICATE " + QString::fromLatin1(encoded.mid(i, 400));
    if (encoded.size() % 400 == 0) lines << "AUTHENTICATE +";
    return lines;
}

TEST_F(ScriptedLink, SaslPlainWhenTheServerOffersIt) {
    const struct {
        int passwordLength;
        int authenticateLines;
    } cases[] = {{11, 1}, {295, 2}, {600, 3}};  // 300 bytes make exactly 400 characters
    for (const auto& c : cases) {
        SCOPED_TRACE(c.passwordLength);
        FreshLink link;
        IrcConnectSettings settings = LocalSettings(0, "bot");
        settings.nickServPassword = QString(c.passwordLength, 'p');
        ASSERT_TRUE(link.start(settings));
        link.server.send(":irc.test CAP * LS * :multi-prefix inspircd.org/poison");
        link.server.send(":irc.test CAP * LS :sasl=EXTERNAL,PLAIN ");
        ASSERT_FALSE(link.server.waitForLine("CAP REQ :sasl").isEmpty());
        link.server.send(":irc.test CAP * ACK :sasl");
        ASSERT_FALSE(link.server.waitForLine("AUTHENTICATE PLAIN").isEmpty());
        const qsizetype from = link.server.lines.size();
        link.server.send("AUTHENTICATE +");
        const QStringList expected = SaslLines(settings.nickServPassword);
        ASSERT_EQ(expected.size(), c.authenticateLines);
        ASSERT_TRUE(WaitUntil([&] { return link.server.lines.size() >= from + expected.size(); }));
        EXPECT_EQ(link.server.lines.mid(from), expected);
        link.server.send(":irc.test 900 bot bot!u@h bot :You are now logged in as bot");
        link.server.send(":irc.test 903 bot :SASL authentication successful");
        EXPECT_FALSE(link.server.waitForLine("CAP END").isEmpty());
        EXPECT_TRUE(link.events.waitFor("identified bot"));
        EXPECT_TRUE(link.events.sent.contains("AUTHENTICATE ****"));
        EXPECT_FALSE(link.events.sent.join('\n').contains(expected.first().mid(13)));
        link.server.send(":irc.test 001 bot :Welcome");
        link.server.send(
            ":NickServ!services@services.test NOTICE bot :This nickname is registered and "
            "protected.");
        link.server.send("PING :after");
        ASSERT_FALSE(link.server.waitForLine("PONG :after").isEmpty());
        EXPECT_TRUE(link.server.waitForLine("PRIVMSG NickServ", 100).isEmpty());
    }
}

TEST_F(ScriptedLink, NoSaslUnlessOfferedWithPlainAndWantedWithAPassword) {
    const struct {
        const char* offered;
        bool sasl;
        const char* password;
        const char* answer;
    } cases[] = {
        {"sasl", true, "pw", "CAP REQ :sasl"},    {"SASL=plain", true, "pw", "CAP REQ :sasl"},
        {"sasl=EXTERNAL", true, "pw", "CAP END"}, {"multi-prefix", true, "pw", "CAP END"},
        {"sasl=PLAIN", false, "pw", "CAP END"},   {"sasl=PLAIN", true, "", "CAP END"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offered);
        FreshLink link;
        IrcConnectSettings settings = LocalSettings(0, "bot");
        settings.sasl = c.sasl;
        settings.nickServPassword = c.password;
        ASSERT_TRUE(link.start(settings));
        link.server.send(QString(":irc.test CAP * LS :") + c.offered);
        ASSERT_FALSE(link.server.waitForLine("CAP ", 5000, 1).isEmpty());
        EXPECT_EQ(link.server.lines.last(), c.answer);
    }
}

TEST_F(ScriptedLink, RefusedOrFailedSaslEndsTheNegotiation) {
    for (const char* refusal : {":irc.test CAP * NAK :sasl", ":irc.test 904 bot :SASL failed"}) {
        SCOPED_TRACE(refusal);
        FreshLink link;
        IrcConnectSettings settings = LocalSettings(0, "bot");
        settings.nickServPassword = "pw";
        ASSERT_TRUE(link.start(settings));
        link.server.send(":irc.test CAP * LS :sasl");
        ASSERT_FALSE(link.server.waitForLine("CAP REQ").isEmpty());
        if (QByteArray(refusal).contains("904")) {
            link.server.send(":irc.test CAP * ACK :sasl");
            ASSERT_FALSE(link.server.waitForLine("AUTHENTICATE PLAIN").isEmpty());
        }
        link.server.send(refusal);
        EXPECT_FALSE(link.server.waitForLine("CAP END").isEmpty());
    }
}

TEST_F(ScriptedLink, NickServNoticeToOurNickGetsTheIdentifyLineAndNothingElseDoes) {
    IrcConnectSettings settings = LocalSettings(0, "bot");
    settings.sasl = false;
    settings.nickServPassword = "secret pw";
    registerAs(settings);
    const QString registered = "This nickname is registered and protected.  If it is your";
    // None of these is NickServ speaking to us.
    for (const QString& forged :
         {":mallory!m@h NOTICE bot :" + registered, ":NickServ NOTICE bot :" + registered,
          ":NickServ!services@services.test NOTICE other :" + registered,
          ":NickServ!services@services.test NOTICE #qivo :" + registered,
          ":NickServ!services@services.test PRIVMSG bot :" + registered,
          ":mallory!m@h PRIVMSG bot :" + registered})
        serverSays(forged);
    serverSays(":mallory!m@h NOTICE bot :Password accepted - you are now recognized.");
    const qsizetype from = server.lines.size();
    serverSays(":nickserv!services@services.test NOTICE BOT :" + registered);
    ASSERT_FALSE(server.waitForLine("PRIVMSG NickServ :IDENTIFY secret pw").isEmpty());
    EXPECT_EQ(sentFrom(from), QStringList{"PRIVMSG NickServ :IDENTIFY secret pw"});
    EXPECT_EQ(events.sent.last(), "PRIVMSG NickServ :IDENTIFY ****");
    EXPECT_TRUE(events.starting("identified").isEmpty());
    serverSays(
        ":NickServ!services@services.test NOTICE bot :Password accepted - you are now "
        "recognized.");
    serverSays(":irc.test 900 bot bot!~user@127.0.0.1 bot :You are now logged in as bot");
    EXPECT_EQ(events.starting("identified"), QStringList{"identified bot"});
    EXPECT_EQ(client.account(), "bot");
}

TEST_F(ScriptedLink, RefusedNickFallsBackOnceThenTheConnectionCloses) {
    connectOnly(LocalSettings(0, "bot"));
    server.send(":irc.test 433 * bot :Nickname is already in use.");
    ASSERT_FALSE(server.waitForLine("NICK QIVO3").isEmpty());
    EXPECT_EQ(client.currentNick(), "QIVO3");
    server.send(":irc.test 433 * QIVO3 :Nickname is already in use.");
    EXPECT_TRUE(events.waitFor("disconnected The server refused the nicknames bot and QIVO3."));
    EXPECT_TRUE(WaitUntil([&] { return !server.isOpen(); }));
    EXPECT_EQ(events.starting("nickRefused"),
              QStringList({"nickRefused bot 433 Nickname is already in use.",
                           "nickRefused QIVO3 433 Nickname is already in use."}));
    EXPECT_FALSE(client.isConnected());
}

TEST_F(ScriptedLink, TakesTheConfiguredNickBackWhenItFrees) {
    connectOnly(LocalSettings(0, "bot"));
    server.send(":irc.test 432 * bot :Erroneous Nickname");
    ASSERT_FALSE(server.waitForLine("NICK QIVO3").isEmpty());
    server.send(":irc.test 001 QIVO3 :Welcome QIVO3!~user@127.0.0.1");
    ASSERT_TRUE(events.waitFor("registered QIVO3"));
    // Asked again every nickRegainMs while someone holds it.
    const qsizetype from = server.lines.size();
    ASSERT_TRUE(WaitUntil([&] { return sentFrom(from).count("NICK bot") >= 2; }));
    serverSays(":irc.test 433 QIVO3 bot :Nickname is already in use.");
    EXPECT_TRUE(client.isConnected());
    // The holder leaves: asked at once.
    client.setTimings([] {
        IrcTimings slow = QuickTimings();
        slow.nickRegainMs = 60000;
        return slow;
    }());
    const qsizetype beforeQuit = server.lines.size();
    serverSays(":BOT!x@y QUIT :gone");
    EXPECT_FALSE(server.waitForLine("NICK bot", 2000, beforeQuit).isEmpty());
    serverSays(":QIVO3!~user@127.0.0.1 NICK :bot");
    EXPECT_EQ(client.currentNick(), "bot");
    EXPECT_EQ(events.starting("ownNickChanged"), QStringList{"ownNickChanged QIVO3 bot"});
    // Renamed by services: our nick is whatever the server says.
    serverSays(":bot!~user@127.0.0.1 NICK Guest123");
    EXPECT_EQ(client.currentNick(), "Guest123");
    serverSays(":Guest123!~user@127.0.0.1 JOIN #qivo");
    EXPECT_EQ(events.events.last(), "joined #qivo");
}

TEST_F(ScriptedLink, PingIsAnsweredAheadOfWaitingLines) {
    registerAs();
    // One line a second from now on, so that the lines below wait.
    client.setTimings(OneLineEvery(1000));
    client.sendPrivmsg("#qivo", "one");
    client.sendPrivmsg("#qivo", "two");
    client.sendPrivmsg("#qivo", "three");
    ASSERT_FALSE(server.waitForLine("PRIVMSG #qivo :one", 3000).isEmpty());
    server.send("PING :token 1");
    ASSERT_FALSE(server.waitForLine("PRIVMSG #qivo :three", 5000).isEmpty());
    const QStringList lines = server.lines.mid(server.lines.indexOf("PRIVMSG #qivo :one"));
    EXPECT_EQ(lines, QStringList({"PRIVMSG #qivo :one", "PONG :token 1", "PRIVMSG #qivo :two",
                                  "PRIVMSG #qivo :three"}));
    EXPECT_TRUE(events.events.contains("pingPong token 1"));
}

TEST_F(ScriptedLink, CtcpQueriesAreAnsweredOncePerUserAndInterval) {
    IrcTimings timings = QuickTimings();
    timings.ctcpReplyIntervalMs = 1500;
    client.setTimings(timings);
    registerAs();
    const QString version = "\x01VERSION\x01";
    const QString reply = QString::fromUtf8(" Q.I.V.O™ Quenmark Talvane™\x01");
    for (const char* word : {"FINGER", "VERSION", "USERINFO", "CLIENTINFO"}) {
        SCOPED_TRACE(word);
        const QString user = QString("u") + word;
        server.send(':' + user + "!u@h PRIVMSG bot :\x01" + word + '\x01');
        EXPECT_EQ(server.waitForLine("NOTICE " + user), "NOTICE " + user + " :\x01" + word + reply);
    }
    // The same user at once again: no reply; a query in a channel is answered privately.
    server.send(":uVERSION!u@h PRIVMSG bot :" + version);
    server.send(":alice!a@h PRIVMSG #qivo :" + version);
    EXPECT_FALSE(server.waitForLine("NOTICE alice ").isEmpty());
    EXPECT_EQ(server.lines.filter("NOTICE uVERSION").size(), 1);
    // After the interval the user is answered again.
    WaitUntil([] { return false; }, timings.ctcpReplyIntervalMs + 50);
    server.send(":uVERSION!u@h PRIVMSG bot :" + version);
    EXPECT_TRUE(WaitUntil([&] { return server.lines.filter("NOTICE uVERSION").size() == 2; }));
    // Other queries get nothing and are no messages.
    for (const char* other : {"\x01PING 123\x01", "\x01TIME\x01", "\x01\x01", "\x01"})
        serverSays(QString(":bob!b@h PRIVMSG bot :") + other);
    EXPECT_TRUE(events.starting("message").isEmpty());
    EXPECT_TRUE(server.waitForLine("NOTICE bob", 200).isEmpty());
}

TEST_F(ScriptedLink, ServerLinesBecomeEvents) {
    registerAs();
    client.join("#secret");
    client.join("#qivo");
    ASSERT_FALSE(server.waitForLine("JOIN #qivo").isEmpty());
    const std::pair<const char*, const char*> cases[] = {
        {":irc.test 005 bot PREFIX=(ov)@+ STATUSMSG=@+ CHANTYPES=# :are supported", ""},
        {":bot!~user@127.0.0.1 JOIN :#qivo", "joined #qivo"},
        {":irc.test 353 bot = #qivo :bot @alice", ""},
        {":irc.test 353 bot = #qivo :+carol @+dave", ""},
        {":irc.test 366 bot #qivo :End of /NAMES list.",
         "namesReply #qivo bot() alice(o) carol(v) dave(ov)"},
        {":alice!a@h MODE #qivo +o :bot", "modeChanged #qivo alice +obot"},
        {":alice!a@h MODE #qivo +v-o+b carol dave x!*@*",
         "modeChanged #qivo alice +vcarol -odave +bx!*@*"},
        {":alice!a@h PRIVMSG #qivo :hello there", "message alice a@h hello there #qivo"},
        {":alice!a@h PRIVMSG bot :a secret", "message alice a@h a secret "},
        {":alice!a@h PRIVMSG @#qivo :ops only", "message alice a@h ops only #qivo"},
        {":alice!a@h PRIVMSG #qivo :\x01"
         "ACTION waves\x01",
         "action alice a@h waves #qivo"},
        {":alice!a@h PRIVMSG bot :\x01"
         "ACTION hugs",
         "action alice a@h hugs "},
        {":alice!a@h NOTICE bot :psst", "notice alice a@h psst bot"},
        {":carol!c@h JOIN #qivo", "userJoined carol c@h #qivo"},
        {":carol!c@h PART #qivo :bye now", "userParted carol c@h #qivo bye now"},
        {":carol!c@h PART #qivo", "userParted carol c@h #qivo "},
        {":alice!a@h KICK #qivo dave :flood", "userKicked #qivo dave alice flood"},
        {":dave!d@h NICK :eve", "nickChanged dave d@h eve"},
        {":eve!e@h QUIT :Quit: gone", "userQuit eve e@h Quit: gone"},
        {":alice!a@h INVITE bot :#other", "invited alice a@h #other"},
        {":alice!a@h INVITE someone :#other", ""},
        {":irc.test 403 bot #never :No such channel", ""},
        {":irc.test 473 bot #secret :Cannot join channel (+i)",
         "joinRefused #secret 473 Cannot join channel (+i)"},
        {":irc.test 473 bot #secret :Cannot join channel (+i)", ""},  // only once per JOIN
        {":bot!~user@127.0.0.1 PART #qivo", "parted #qivo"},
    };
    for (const auto& [line, event] : cases) {
        SCOPED_TRACE(line);
        const qsizetype before = events.events.size();
        serverSays(QString::fromUtf8(line));
        const QStringList raised = events.events.mid(before);
        EXPECT_EQ(raised, QString(event).isEmpty() ? QStringList() : QStringList{event});
        if (QString(line).contains("MODE #qivo +o :bot")) {
            EXPECT_EQ(client.ownModes("#QIVO"), "o");
        }
    }
    EXPECT_TRUE(client.channels().isEmpty());
}

TEST_F(ScriptedLink, OwnStatusFollowsNamesModesAndKicksWhateverUsersWrite) {
    registerAs();
    serverSays(":irc.test 005 bot CASEMAPPING=rfc1459 PREFIX=(ov)@+ CHANTYPES=# :are supported");
    serverSays(":bot!~user@127.0.0.1 JOIN #Qivo[1]");
    serverSays(":irc.test 353 bot = #Qivo[1] :@alice +bot");
    EXPECT_EQ(client.ownModes("#qivo{1}"), "v");
    serverSays(":alice!a@h MODE #qivo{1} +ov bot other");
    EXPECT_EQ(client.ownModes("#Qivo[1]"), "ov");
    // Forged: the text of messages changes nothing.
    for (const char* text : {"KICK #Qivo[1] bot", "MODE #Qivo[1] -o bot", ":x MODE #Qivo[1] -o bot",
                             ":alice!a@h KICK #Qivo[1] bot :x"})
        serverSays(QString(":mallory!m@h PRIVMSG #Qivo[1] :") + text);
    EXPECT_EQ(client.ownModes("#Qivo[1]"), "ov");
    EXPECT_EQ(events.starting("message").size(), 4);
    EXPECT_TRUE(events.starting("kicked").isEmpty());
    EXPECT_EQ(events.starting("modeChanged").size(), 1);
    serverSays(":alice!a@h MODE #Qivo[1] -o+o bot other");
    EXPECT_EQ(client.ownModes("#Qivo[1]"), "v");
    serverSays(":alice!a@h KICK #QIVO[1] BOT :out");
    EXPECT_EQ(events.starting("kicked"), QStringList{"kicked alice #QIVO[1] out"});
    EXPECT_TRUE(client.channels().isEmpty());
    EXPECT_EQ(client.ownModes("#Qivo[1]"), "");
}

TEST_F(ScriptedLink, LinesOfOperationsWaitForRegistration) {
    connectOnly(LocalSettings(0, "bot"));
    client.join("#qivo");
    client.sendPrivmsg("alice", "early");
    client.sendRaw("PRIVMSG HostServ :on");
    server.send(":irc.test CAP * LS :multi-prefix");
    ASSERT_FALSE(server.waitForLine("CAP END").isEmpty());
    EXPECT_TRUE(server.waitForLine("JOIN", 200).isEmpty());
    server.send(":irc.test 001 bot :Welcome");
    ASSERT_FALSE(server.waitForLine("PRIVMSG HostServ :on").isEmpty());
    EXPECT_EQ(server.lines.mid(3), QStringList({"CAP END", "JOIN #qivo", "PRIVMSG alice :early",
                                                "PRIVMSG HostServ :on"}));
}

TEST_F(ScriptedLink, LongTextIsCutToFitTheRelayedLineAndNothingIsLost) {
    registerAs(LocalSettings(0, "bot"), "~user@127.0.0.1");
    EXPECT_EQ(client.relayPrefixBytes(), QByteArray(":bot!~user@127.0.0.1 ").size());
    const QString prefix = ":bot!~user@127.0.0.1 ";
    const struct {
        const char* what;
        QString text;
    } cases[] = {
        {"700 Latvian letters", QString(700, QChar(u'ā'))},
        {"words", QString("Lorem ipsum dolor sit amet ").repeated(40)},
        {"four-byte characters", QString::fromUtf8("😀").repeated(300)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const qsizetype from = server.lines.size();
        client.sendPrivmsg("#qivo", c.text);
        const int expectedLines =
            int(SplitUtf8(c.text, 510 - int(prefix.toUtf8().size()) - 15).size());
        ASSERT_GT(expectedLines, 1);
        ASSERT_TRUE(WaitUntil([&] { return server.lines.size() >= from + expectedLines; }));
        QString joined;
        for (qsizetype i = from; i < server.lines.size(); ++i) {
            EXPECT_LE(prefix.toUtf8().size() + server.rawLines[i].size() + 2, 512);
            EXPECT_TRUE(server.lines[i].startsWith("PRIVMSG #qivo :"));
            joined += server.lines[i].mid(15);
        }
        EXPECT_EQ(joined.remove(' '), QString(c.text).remove(' '));
    }
}

TEST_F(ScriptedLink, OwnPrefixIsEstimatedUntilTheServerShowsIt) {
    registerAs(LocalSettings(0, "bot"), "");  // a welcome without our mask
    // ":" bot "!" ~ + USERLEN 10 "@" HOSTLEN 63 " "
    EXPECT_EQ(client.relayPrefixBytes(), 1 + 3 + 1 + 11 + 1 + 63 + 1);
    serverSays(":irc.test 005 bot USERLEN=12 HOSTLEN=64 :are supported");
    EXPECT_EQ(client.relayPrefixBytes(), 1 + 3 + 1 + 13 + 1 + 64 + 1);
    serverSays(":bot!~me@10.0.0.1 JOIN #qivo");
    EXPECT_EQ(client.relayPrefixBytes(), QByteArray(":bot!~me@10.0.0.1 ").size());
    serverSays(":irc.test 396 bot a.much.longer.cloaked.host.example :is now your displayed host");
    EXPECT_EQ(client.relayPrefixBytes(),
              QByteArray(":bot!~me@a.much.longer.cloaked.host.example ").size());
    serverSays(":bot!~me@a.much.longer.cloaked.host.example NICK :TalvaneBOT");
    EXPECT_EQ(client.relayPrefixBytes(),
              QByteArray(":TalvaneBOT!~me@a.much.longer.cloaked.host.example ").size());
}

TEST_F(ScriptedLink, LineBreaksAndNulsNeverReachTheWire) {
    registerAs();
    const qsizetype from = server.lines.size();
    client.sendPrivmsg("#qivo", QString("first\r\nsecond\rthird\n\nfou") + QChar(0) + "rth");
    client.sendNotice("alice", "a\nb");
    client.sendAction("#qivo", "waves\r\nQUIT :bye");
    client.part("#qivo", "gone\r\nQUIT :x");
    client.kick("#qivo", "mallory", "bye\nJOIN #x");
    client.sendRaw("MODE #qivo +o alice\r\nQUIT :injected");
    client.sendRaw(QString("TOPIC #qivo :nul") + QChar(0) + "led");
    // Names that would split a line are refused.
    client.sendPrivmsg("#qivo two", "x");
    client.sendPrivmsg("#a,#b", "x");
    client.sendPrivmsg(":bob", "x");
    client.join("#a\r\nQUIT");
    client.kick("#qivo", "a b");
    client.changeNick("bad nick");
    const QStringList expected = {"PRIVMSG #qivo :first",
                                  "PRIVMSG #qivo :second",
                                  "PRIVMSG #qivo :third",
                                  "PRIVMSG #qivo :fourth",
                                  "NOTICE alice :a",
                                  "NOTICE alice :b",
                                  "PRIVMSG #qivo :\x01"
                                  "ACTION waves\x01",
                                  "PRIVMSG #qivo :\x01"
                                  "ACTION QUIT :bye\x01",
                                  "PART #qivo :gone QUIT :x",
                                  "KICK #qivo mallory :bye JOIN #x",
                                  "MODE #qivo +o alice",
                                  "TOPIC #qivo :nulled"};
    ASSERT_TRUE(WaitUntil([&] { return server.lines.size() >= from + expected.size(); }));
    server.send("PING :end");
    ASSERT_FALSE(server.waitForLine("PONG :end").isEmpty());
    EXPECT_EQ(sentFrom(from), expected + QStringList{"PONG :end"});
    for (const QByteArray& raw : server.rawLines)
        EXPECT_FALSE(raw.contains('\0') || raw.contains('\r'));
}

TEST_F(ScriptedLink, SilentServerIsPingedAndThenGivenUp) {
    IrcTimings quick = QuickTimings();
    quick.idleBeforePingMs = 300;
    quick.pingReplyMs = 300;
    client.setTimings(quick);
    registerAs();
    ASSERT_FALSE(server.waitForLine("PING :keepalive", 2000).isEmpty());
    server.send(":irc.test PONG irc.test :keepalive");
    const qsizetype after = server.lines.size();
    ASSERT_FALSE(server.waitForLine("PING :keepalive", 2000, after).isEmpty());
    EXPECT_TRUE(events.waitFor("disconnected The server sent nothing for 0.6 seconds.", 3000));
    EXPECT_FALSE(client.isConnected());
    EXPECT_TRUE(WaitUntil([&] { return !server.isOpen(); }));
}

TEST_F(ScriptedLink, EveryWayOfLosingTheLinkIsReported) {
    registerAs();
    server.send("ERROR :Closing link: (user@127.0.0.1) [Killed (oper (go away))]");
    server.close();
    EXPECT_TRUE(
        events.waitFor("disconnected Closing link: (user@127.0.0.1) [Killed (oper (go away))]"));

    ScriptedServer second;
    client.connectToServer(LocalSettings(second.port(), "bot"));
    ASSERT_TRUE(second.accept());
    ASSERT_TRUE(WaitUntil([&] { return events.starting("connected").size() == 2; }));
    second.close();
    EXPECT_TRUE(events.waitFor("disconnected The server closed the connection."));

    ScriptedServer third;
    client.connectToServer(LocalSettings(third.port(), "bot"));
    ASSERT_TRUE(third.accept());
    ASSERT_TRUE(third.welcome());
    ASSERT_TRUE(WaitUntil([&] { return client.isRegistered(); }));
    // One line every 1.5 s from now on: the second line waits, and quitting drops it; the QUIT
    // itself keeps to the governor too.
    client.setTimings(OneLineEvery(1500));
    client.sendPrivmsg("#qivo", "sent line");
    client.sendPrivmsg("#qivo", "waiting line");
    client.quit("Bye\r\nnow");
    EXPECT_FALSE(third.waitForLine("QUIT :Bye now").isEmpty());
    EXPECT_TRUE(events.waitFor("disconnected Disconnected."));
    EXPECT_TRUE(WaitUntil([&] { return !third.isOpen(); }));
    EXPECT_EQ(third.lines.mid(third.lines.size() - 2),
              QStringList({"PRIVMSG #qivo :sent line", "QUIT :Bye now"}));
}

TEST_F(ScriptedLink, RefusedConnectionsAreReportedFromTheEventLoop) {
    quint16 closedPort;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        closedPort = probe.serverPort();
    }
    client.connectToServer(LocalSettings(closedPort, "bot"));
    EXPECT_TRUE(events.events.isEmpty());
    EXPECT_TRUE(events.waitFor("disconnected Connection refused"));

    IrcConnectSettings tls = LocalSettings(closedPort, "bot");
    tls.tls = true;
    tls.caFile = "/nonexistent/ca.pem";
    client.connectToServer(tls);
    EXPECT_TRUE(
        events.waitFor("disconnected The CA file /nonexistent/ca.pem holds no certificate."));
    EXPECT_FALSE(client.isConnected());
    client.sendPrivmsg("#qivo", "offline");  // dropped without harm
}

TEST_F(ScriptedLink, GarbageFromTheServerNeverStallsTheClient) {
    registerAs();
    QRandomGenerator random(99);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(400); i > 0; --i)
            bytes += char(random.bounded(256));
        server.sendBytes(bytes);
    }
    server.sendBytes("\r\n" + QByteArray(100000, 'x') + "\r\n:\r\n@\r\n \r\n:a!b@c\r\n");
    server.sendBytes(":x!y@z PRIVMSG bot :\xff\xfe\r\n");
    server.send("PING :still here");
    EXPECT_FALSE(server.waitForLine("PONG :still here").isEmpty());
    EXPECT_TRUE(client.isConnected());
}

TEST_F(ScriptedLink, AHandlerMayCloseTheLinkInTheMiddleOfABatchOfLines) {
    registerAs();
    QObject::connect(&client, &IrcClient::message, &client, &IrcClient::disconnectFromServer);
    server.sendBytes(":a!b@c PRIVMSG bot :one\r\n:a!b@c PRIVMSG bot :two\r\nPING :x\r\n");
    EXPECT_TRUE(events.waitFor("disconnected Disconnected."));
    EXPECT_EQ(events.starting("message"), QStringList{"message a b@c one "});
    EXPECT_TRUE(server.waitForLine("PONG", 200).isEmpty());
}

}  // namespace
