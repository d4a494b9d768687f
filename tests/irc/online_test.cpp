// The character online, in-process: the real engine on a throwaway brain, the real client and its
// online life, against the servers of the throwaway test network that ./test starts, with scripted
// users on the other side.

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "online_fixture.h"

#include <gtest/gtest.h>

namespace {

class OnEachServer : public Online, public ::testing::WithParamInterface<Server> {
  protected:
    void SetUp() override { useServer(GetParam()); }
};

TEST_P(OnEachServer, JoinsAndAnswersChannelAndPrivateMessagesThroughTheWholeCycle) {
    // Alice talks faster than the flood guard lets a user be answered; the guard has its own tests.
    engine->state.settings.protectFromMessageFlood = false;
    goOnline();
    for (const QString& line : QStringList{
             "A.I. > Trying to connect IRC server..", "A.I. > IRC server connected.",
             "A.I. > Joining default channel..", "A.I. > Creating " + channel + " user list.."})
        EXPECT_TRUE(consoleSaid(line)) << line.toStdString();
    EXPECT_EQ(online.controls(), (OnlineControls{.pauseEnabled = true, .stopEnabled = true}));
    // It made the channel, so the server made it operator there.
    ASSERT_TRUE(WaitUntil([&] { return !engine->state.stores.IsOpStore.isEmpty(); }));
    EXPECT_EQ(engine->state.stores.IsOpStore.first().op, 1);

    ScriptedUser& alice = userInChannel("alice");
    int taken = 0;
    QObject::connect(&online, &IrcOnline::messageTaken, [&taken] { ++taken; });
    qsizetype from = alice.lines.size();
    alice.send("PRIVMSG " + channel + " :" + nick + ": hello");
    EXPECT_TRUE(replyTo(alice, channel, from).contains(alice.nick))
        << alice.lines.join('\n').toStdString();
    from = alice.lines.size();
    alice.send("PRIVMSG " + nick + " :how are you?");
    EXPECT_FALSE(replyTo(alice, alice.nick, from).isEmpty());
    // Not addressed, and public messages are not processed.
    fakes.console.lines.clear();
    alice.send("PRIVMSG " + channel + " :the weather is fine");
    EXPECT_TRUE(WaitUntil([&] { return consoleSaid("A.I. > NLP skipped."); }));
    EXPECT_EQ(taken, 2) << "the tray blinks for the two messages that went on";

    // Stop: the quit message reaches the others, users_online is emptied.
    from = alice.lines.size();
    online.StopArtificialIntelect();
    const QString quit = alice.waitForLine("*:" + nick + '!', 10000, from);
    EXPECT_TRUE(quit.contains(" QUIT :")) << quit.toStdString();
    EXPECT_TRUE(quit.contains("recharge my batteries")) << quit.toStdString();
    EXPECT_EQ(brain.db().open("SELECT * FROM users_online"), 0);
    EXPECT_TRUE(WaitUntil([&] { return online.controls().startEnabled; }));
    EXPECT_TRUE(engine->state.stores.IsOpStore.isEmpty());
}

TEST_P(OnEachServer, NothingIsQueuedWhilePaused) {
    goOnline();
    ScriptedUser& alice = userInChannel("alice");
    online.PauseArtificialIntelect();
    EXPECT_TRUE(online.controls().paused);
    alice.send("PRIVMSG " + nick + " :are you there?");
    alice.send("PING :sync");
    ASSERT_FALSE(alice.waitForLine("*PONG").isEmpty());
    WaitUntil([] { return false; }, 300);
    EXPECT_TRUE(engine->state.stores.InputStore.isEmpty());
    online.PauseArtificialIntelect();
    EXPECT_FALSE(online.controls().paused);
}

INSTANTIATE_TEST_SUITE_P(Servers, OnEachServer, ::testing::Values(kNgircd, kInspircd),
                         [](const auto& info) { return std::string(info.param.name); });

class OnInspircd : public Online {
  protected:
    void SetUp() override { useServer(kInspircd); }

    // A user registered with NickServ under `account`, identified.
    ScriptedUser& identifiedUser(const QString& account, const QString& password) {
        ScriptedUser& user = *users.emplace_back(std::make_unique<ScriptedUser>());
        EXPECT_TRUE(user.connectTo(port(), account));
        user.send("PRIVMSG NickServ :REGISTER " + password + " a@b.c");
        EXPECT_FALSE(user.waitForLine("*registered", 10000).isEmpty());
        return user;
    }
    // Registers the character's own nick with NickServ, then frees it again.
    void registerOwnNick(const QString& password) {
        ScriptedUser& holder = identifiedUser(nick, password);
        holder.send("QUIT");
        ASSERT_TRUE(WaitUntil([&] { return !holder.isOpen(); }));
    }
};

// The owner's nick alone proves nothing: only the services account does. The owner, proved,
// teaches the character in the channel; what it learnt is its answer to anybody.
TEST_F(OnInspircd, TheOwnerIsProvedByTheAccountAndTeachesInTheChannel) {
    Settings& s = engine->state.settings;
    s.allowDataTeaching = true;
    s.testMode = false;
    s.HistoryTimeout = "0";  // the same question from another user is no repetition
    goOnline();
    ScriptedUser& owner = identifiedUser(s.ownersNickname, "owner-pw");
    owner.send("JOIN " + channel);
    ASSERT_FALSE(owner.waitForLine("*366 ").isEmpty());
    qsizetype from = owner.lines.size();
    owner.send("PRIVMSG " + channel + " :" + nick + ": what is a zorblax");
    ASSERT_FALSE(replyTo(owner, channel, from).isEmpty());
    from = owner.lines.size();
    owner.send("PRIVMSG " + channel + " :" + nick + ": #a zorblax is a purple fish");
    ASSERT_FALSE(replyTo(owner, channel, from).isEmpty());
    Query& db = brain.db();
    EXPECT_EQ(db.open("SELECT * FROM users_privileges WHERE user=? AND type=?",
                      {EncodeNick(s.ownersNickname), "OWNER"}),
              1);

    ScriptedUser& bob = newUser("bob");
    from = bob.lines.size();
    bob.send("PRIVMSG " + nick + " :what is a zorblax");
    EXPECT_TRUE(replyTo(bob, bob.nick, from).contains("purple fish", Qt::CaseInsensitive))
        << bob.lines.join('\n').toStdString();
}

TEST_F(OnInspircd, SomeoneUnderTheOwnersNickWithoutItsAccountIsNoOwner) {
    goOnline();
    const QString owner = engine->state.settings.ownersNickname;
    ScriptedUser& impostor = *users.emplace_back(std::make_unique<ScriptedUser>());
    ASSERT_TRUE(impostor.connectTo(port(), owner));
    const qsizetype from = impostor.lines.size();
    impostor.send("PRIVMSG " + nick + " :hello");
    ASSERT_FALSE(replyTo(impostor, owner, from).isEmpty());
    EXPECT_EQ(brain.db().open("SELECT * FROM users_privileges WHERE type=?", {"OWNER"}), 0);
    EXPECT_TRUE(client.accountOf(owner).has_value()) << "asked the server";
}

TEST_F(OnInspircd, IdentifiesWithNickServWhenSaslIsOffAndWithSaslOtherwise) {
    const QString password = UniqueName("pw-");
    registerOwnNick(password);
    engine->state.settings.nickServIdentity = password;
    for (const char* sasl : {"off", "auto"}) {
        SCOPED_TRACE(sasl);
        writeIrcIni({QString("sasl=") + sasl});
        QStringList sent;
        const auto recording = QObject::connect(&client, &IrcClient::lineSent,
                                                [&](const QString& line) { sent << line; });
        goOnline();
        // Services answer IDENTIFY in their own time; on a busy machine that takes seconds.
        EXPECT_TRUE(WaitUntil([&] { return client.account() == nick; }, 30000));
        // The host request follows the account through the send queue, a moment later.
        EXPECT_TRUE(WaitUntil([&] { return sent.contains("PRIVMSG HostServ :ON"); }, 10000));
        EXPECT_EQ(sent.contains("PRIVMSG NickServ :IDENTIFY ****"), QString(sasl) == "off");
        EXPECT_EQ(sent.contains("AUTHENTICATE PLAIN"), QString(sasl) == "auto");
        QObject::disconnect(recording);
        online.StopArtificialIntelect();
        ASSERT_TRUE(WaitUntil([&] { return client.isOffline(); }));
    }
}

// Lines come faster than the character may send: the governor keeps it under the server's
// flood limit, and every request is answered.
TEST_F(OnInspircd, ABurstOfRequestsNeverTripsTheFloodLimit) {
    // Each asker asks faster than the flood guard lets a user be answered; that is its own test.
    engine->state.settings.protectFromMessageFlood = false;
    goOnline();
    std::vector<ScriptedUser*> askers;
    for (int i = 0; i < 4; ++i)
        askers.push_back(&userInChannel("asker"));
    // Three each: a fourth waiting input of one user is dropped by the input queue.
    const QStringList questions = {"hello", "how are you", "what time is it"};
    for (ScriptedUser* asker : askers)
        for (const QString& question : questions)
            asker->send("PRIVMSG " + nick + " :" + question);
    for (ScriptedUser* asker : askers) {
        const QString head = ":" + nick + '!';
        EXPECT_TRUE(WaitUntil(
            [&] {
                return asker->lines.filter(head).filter(" PRIVMSG ").size() >= questions.size();
            },
            60000))
            << asker->lines.join('\n').toStdString();
    }
    EXPECT_TRUE(client.isRegistered());
    EXPECT_FALSE(consoleSaid("A.I. > IRC server disconnected."));
}

class OnNgircd : public Online {
  protected:
    void SetUp() override { useServer(kNgircd); }
};

// ngircd drops a client for any line over 512 bytes: a long answer goes out as several lines.
TEST_F(OnNgircd, ASevenHundredCharacterAnswerArrivesAsSeveralLines) {
    goOnline();
    ScriptedUser& reader = newUser("reader");
    const QString answer = QString("seven hundred characters ").repeated(28);
    Request& r = engine->state.request;
    r = Request{};
    r.UserNick = reader.nick;
    r.UserKey = EncodeNick(reader.nick);
    r.ReplyTarget = reader.nick;
    r.TargetKind = TargetKind::Private;
    r.OutputPhrase = answer;
    ::Run(engine->stages.PrepareDelivery, *engine);
    ::Run(engine->stages.StartDelivery, *engine);
    const QString head = "PRIVMSG " + reader.nick + " :";
    ASSERT_TRUE(WaitUntil([&] { return reader.lines.filter(head).size() >= 2; }, 15000));
    WaitUntil([] { return false; }, 1500);
    QString arrived;
    for (qsizetype i = 0; i < reader.lines.size(); ++i) {
        if (!reader.lines[i].contains(head)) continue;
        EXPECT_LE(reader.rawLines[i].size() + 2, 512);
        arrived += reader.lines[i].mid(reader.lines[i].indexOf(head) + head.size());
    }
    EXPECT_EQ(arrived.remove(' ').toLower(),
              QString(answer).remove(' ').remove('.').toLower() + '.')
        << arrived.toStdString();
    EXPECT_TRUE(client.isRegistered());
}

// A server that goes away and comes back: the character tries again after reconnect_seconds and
// is back in its channel.
class OnOwnServer : public Online {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ngircd.start());
        useServer(ngircd.port());
    }
    OwnNgircd ngircd;
};

TEST_F(OnOwnServer, ACharacterWhoseServerWasRestartedIsBackInItsChannel) {
    writeIrcIni({"reconnect_seconds=1"});
    goOnline();
    ngircd.kill();
    ASSERT_TRUE(WaitUntil([&] { return consoleSaid("A.I. > IRC server disconnected."); }));
    EXPECT_EQ(
        fakes.additional.log.filter("A.I. > Unexpected disconnection from IRC server: ").size(), 1)
        << fakes.additional.log.join('\n').toStdString();
    EXPECT_TRUE(
        fakes.additional.log.contains("A.I. > Will try connecting to IRC server after 1 second."));
    // While it is down, connecting fails twice and is tried again later.
    EXPECT_TRUE(WaitUntil([&] { return consoleSaid("A.I. > Can not connect to IRC server."); }));
    ASSERT_TRUE(ngircd.start());
    EXPECT_TRUE(WaitUntil([&] { return client.channels().contains(channel); }, 20000))
        << fakes.console.lines.join('\n').toStdString();
}

}  // namespace
