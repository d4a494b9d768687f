// Who is where, against both servers: after every join, part, kick, quit and nick change the
// tables say exactly who is in which channel, and no other user's rows change.

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "online_fixture.h"

#include <gtest/gtest.h>

namespace {

class Membership : public Online, public ::testing::WithParamInterface<Server> {
  protected:
    void SetUp() override { useServer(GetParam()); }

    void joinAs(ScriptedUser& user, const QString& where) {
        const qsizetype from = user.lines.size();
        user.send("JOIN " + where);
        EXPECT_FALSE(user.waitForLine("*366 " + user.nick + ' ' + where, 5000, from).isEmpty());
    }
    QStringList systemChannels() {
        QStringList channels;
        Query& db = brain.db();
        db.open("SELECT channel FROM system_channels");
        for (db.first(); !db.eof(); db.next())
            channels << db.field("channel");
        channels.sort();
        return channels;
    }
    bool inChannel(const QString& where) const {
        return client.channels().contains(where, Qt::CaseInsensitive);
    }
};

TEST_P(Membership, TheTablesSayWhoIsWhereAfterEveryStep) {
    const QString remembered = UniqueName("#tr");
    brain.db().execute("INSERT INTO system_channels (`channel`) VALUES (?)", {remembered});
    goOnline();
    ASSERT_TRUE(WaitUntil([&] { return inChannel(remembered); }));
    EXPECT_TRUE(consoleSaid("A.I. > Joining also other channels.."));
    EXPECT_TRUE(consoleSaid("A.I. > Channel: " + channel + " joined."));
    QStringList both = {channel, remembered};
    both.sort();
    EXPECT_EQ(systemChannels(), both) << "each channel once";
    QStringList rows = {nick + ' ' + channel, nick + ' ' + remembered};
    ASSERT_TRUE(usersOnlineBecome(rows));

    // Bob is in both channels; a user whose nick holds Bob's, and one that needs encoding.
    ScriptedUser& bob = userInChannel("bob");
    joinAs(bob, remembered);
    ScriptedUser& bobby = userInChannel(bob.nick.left(6));
    ScriptedUser& bracketed = newUser("b[");
    joinAs(bracketed, channel);
    rows << bob.nick + ' ' + channel << bob.nick + ' ' + remembered << bobby.nick + ' ' + channel
         << EncodeNick(bracketed.nick) + ' ' + channel;
    ASSERT_TRUE(usersOnlineBecome(rows));

    // A part leaves the other channel's row.
    bob.send("PART " + remembered);
    rows.removeOne(bob.nick + ' ' + remembered);
    ASSERT_TRUE(usersOnlineBecome(rows));

    // Bobby leaves, and Bob takes Bobby's nick: Bob's row moves, nobody else's.
    bobby.send("QUIT :bye");
    rows.removeOne(bobby.nick + ' ' + channel);
    ASSERT_TRUE(usersOnlineBecome(rows));
    bob.send("NICK " + bobby.nick);
    rows.replace(rows.indexOf(bob.nick + ' ' + channel), bobby.nick + ' ' + channel);
    ASSERT_TRUE(usersOnlineBecome(rows));
    bob.nick = bobby.nick;

    // The character kicks Bob: his row of that channel goes.
    engine->out.irc->KickUser(channel, bob.nick, "out");
    rows.removeOne(bob.nick + ' ' + channel);
    ASSERT_TRUE(usersOnlineBecome(rows));

    // Its own part takes the channel's rows; the channel stays remembered.
    engine->out.irc->PartChannel(remembered, "");
    rows.removeOne(nick + ' ' + remembered);
    ASSERT_TRUE(usersOnlineBecome(rows));
    EXPECT_EQ(systemChannels(), both);

    bracketed.send("QUIT");
    rows.removeOne(EncodeNick(bracketed.nick) + ' ' + channel);
    ASSERT_TRUE(usersOnlineBecome(rows));

    online.StopArtificialIntelect();
    EXPECT_TRUE(usersOnlineBecome({}));
}

// A user who leaves is no longer watched by Lonely Talking; a watched user who changes nick is
// watched under the new one, and a private lonely phrase goes to the new nick.
TEST_P(Membership, LonelyTalkingFollowsTheUser) {
    goOnline();
    ScriptedUser& ann = userInChannel("ann");
    ScriptedUser& ben = userInChannel("ben");
    QList<TLTimers>& watched = engine->state.stores.TimerStore;
    watched = {TLTimers{TargetKind::Private, ann.nick, EncodeNick(ann.nick), "10:00:00"},
               TLTimers{TargetKind::Channel, channel, EncodeNick(ben.nick), "10:00:00"}};
    const QString newNick = UniqueName("ann");
    ann.send("NICK " + newNick);
    ASSERT_TRUE(WaitUntil([&] { return watched.first().userKey == EncodeNick(newNick); }));
    EXPECT_EQ(watched.first().replyTarget, newNick);
    ben.send("PART " + channel);
    ASSERT_TRUE(WaitUntil([&] { return watched.size() == 1; }));
    ann.send("QUIT");
    EXPECT_TRUE(WaitUntil([&] { return watched.isEmpty(); }));
}

// One invite a minute is followed, and the channel is remembered; a kick is answered by a rejoin
// until the same channel has kicked the character three times.
TEST_P(Membership, InvitesAndRejoinsAfterKicksHaveTheirLimits) {
    Settings& s = engine->state.settings;
    s.allowAutoJoinOnInvite = true;
    s.allowRejoinAfterKick = true;
    goOnline();
    ScriptedUser& op = newUser("op");
    const QString first = UniqueName("#ti"), second = UniqueName("#ti");
    joinAs(op, first);
    joinAs(op, second);
    op.send("INVITE " + nick + ' ' + first);
    ASSERT_TRUE(WaitUntil([&] { return inChannel(first); }));
    op.send("INVITE " + nick + ' ' + second);
    WaitUntil([] { return false; }, 1000);
    EXPECT_FALSE(inChannel(second));
    EXPECT_TRUE(systemChannels().contains(first));
    EXPECT_FALSE(systemChannels().contains(second));

    for (int kick = 1; kick <= 3; ++kick) {
        SCOPED_TRACE(kick);
        ASSERT_TRUE(WaitUntil([&] { return inChannel(first); }));
        op.send("KICK " + first + ' ' + nick + " :out");
        ASSERT_TRUE(WaitUntil([&] { return !inChannel(first); }));
    }
    EXPECT_TRUE(WaitUntil([&] {
        return consoleSaid("A.I. > Kicked from " + first +
                           " 3 times within 5 minutes: not joining it again.");
    }));
    WaitUntil([] { return false; }, 500);
    EXPECT_FALSE(inChannel(first));
    EXPECT_TRUE(usersOnlineBecome({nick + ' ' + channel}));
}

// The owner is reminded to activate the online owner status, the autostart note comes once a
// month, and in Test Mode the channel hears the notice.
TEST_P(Membership, TheJoinIsAnnounced) {
    Settings& s = engine->state.settings;
    s.showNotifications = true;
    s.automaticStartup = true;
    s.lastSaveMonth = "00";
    s.testMode = true;
    s.TestModeNotice = true;
    ScriptedUser& watcher = newUser("w");
    joinAs(watcher, channel);
    const qsizetype from = watcher.lines.size();
    goOnline();
    EXPECT_FALSE(replyTo(watcher, channel, from).isEmpty())
        << watcher.lines.join('\n').toStdString();
    const QStringList balloons = fakes.notifications.balloons;
    EXPECT_EQ(balloons.filter("Please activate your Q.I.V.O™ online owner status").size(), 1)
        << balloons.join('\n').toStdString();
    EXPECT_EQ(balloons.filter("Autostart function succeeded").size(), 1);
}

// Start-up and a lost link leave nobody in users_online.
TEST_P(Membership, StartUpForgetsTheOnlineUsers) {
    brain.db().execute("INSERT INTO users_online (`user`, `channel`) VALUES ('ghost', '#old')");
    online.StartUpStep();
    EXPECT_TRUE(usersOnline().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Servers, Membership, ::testing::Values(kNgircd, kInspircd),
                         [](const auto& info) { return std::string(info.param.name); });

// The owner's nickname follows a nick change of the owner proved by the services account, and
// of nobody else who happens to use it.
class OwnerNick : public Online {
  protected:
    void SetUp() override { useServer(kInspircd); }
    void changeNickAfterTalking(ScriptedUser& user) {
        user.send("JOIN " + channel);
        ASSERT_FALSE(user.waitForLine("*366 ").isEmpty());
        const qsizetype from = user.lines.size();
        user.send("PRIVMSG " + nick + " :hello");
        ASSERT_FALSE(replyTo(user, user.nick, from).isEmpty());
        const QString renamed = UniqueName("moved");
        user.send("NICK " + renamed);
        ASSERT_TRUE(WaitUntil([&] { return usersOnline().contains(renamed + ' ' + channel); }))
            << usersOnline().join('\n').toStdString();
        user.nick = renamed;
    }
};

TEST_F(OwnerNick, FollowsTheVerifiedOwnerOnly) {
    Settings& s = engine->state.settings;
    const QString owner = s.ownersNickname;
    goOnline();
    ScriptedUser& impostor = *users.emplace_back(std::make_unique<ScriptedUser>());
    ASSERT_TRUE(impostor.connectTo(port(), owner));
    changeNickAfterTalking(impostor);
    EXPECT_EQ(s.ownersNickname, owner);
    impostor.send("QUIT");
    ASSERT_TRUE(WaitUntil([&] { return !impostor.isOpen(); }));

    ScriptedUser& real = *users.emplace_back(std::make_unique<ScriptedUser>());
    ASSERT_TRUE(real.connectTo(port(), owner));
    real.send("PRIVMSG NickServ :REGISTER owner-pw a@b.c");
    ASSERT_FALSE(real.waitForLine("*registered", 10000).isEmpty());
    changeNickAfterTalking(real);
    EXPECT_EQ(s.ownersNickname, real.nick);
}

}  // namespace
