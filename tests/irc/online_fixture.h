#pragma once

// The character online, in-process: the real engine on a throwaway brain, the real client and its
// online life, against the servers of the throwaway test network that ./test starts, with scripted
// users on the other side.

#include "brain/query.h"
#include "engine/text_files.h"
#include "irc/irc_link.h"
#include "irc/irc_online.h"
#include "irc_peers.h"
#include "pipeline/assemble_stages.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

struct Server {
    const char* name;
    const char* portVariable;
};
inline void PrintTo(const Server& server, std::ostream* out) {
    *out << server.name;
}
inline const Server kNgircd = {"ngircd", "TALVANE_TEST_NGIRCD_PORT"};
inline const Server kInspircd = {"inspircd", "TALVANE_TEST_INSPIRCD_PORT"};

inline OnlineTimings QuickOnline() {
    OnlineTimings timings;
    timings.joinerMs = 300;
    timings.connectionCheckMs = 1000;
    timings.readyAgainMs = 100;
    timings.autostartPauseMs = 10;
    timings.rejoinAfterKickMs = 100;
    timings.client.connectTimeoutMs = 5000;
    timings.client.closeGraceMs = 500;
    return timings;
}

class Online : public EngineFixture {
  protected:
    Online() {
        engine->out.irc = &link;
        engine->out.clock = &clock;
        AssembleOnlineStages(engine->stages, online);
        Settings& s = engine->state.settings;
        s.ircServer = "127.0.0.1";
        s.nickname = nick;
        s.defaultJoinChannel = channel;
        s.ownersNickname = UniqueName("Own");
        s.nickServIdentity.clear();
        s.typingSimulation = false;
        s.useDialogIntroForNewUsers = false;
        s.processPublicMessages = false;
        s.showDetailedConsoleLogTexts = false;
        s.allowLonelyTalking = false;
        s.enableConsoleSounds = false;
        writeIrcIni({});
    }

    void useServer(quint16 serverPort) {
        engine->state.settings.ircPort = QString::number(serverPort);
    }
    void useServer(const Server& server) { useServer(quint16(FromNetwork(server.portVariable))); }
    quint16 port() const { return quint16(engine->state.settings.ircPort.toInt()); }
    void writeIrcIni(const QStringList& lines) {
        WriteTextLines(engine->home.path("Main/Irc.ini"), QStringList{"[irc]"} + lines);
    }

    // Starts, and waits until the character is in its channel.
    void goOnline() {
        online.StartArtificialIntelect();
        ASSERT_TRUE(WaitUntil([&] { return client.channels().contains(channel); }, 15000))
            << fakes.console.lines.join('\n').toStdString();
    }
    ScriptedUser& newUser(const QString& stem = "user") {
        users.push_back(std::make_unique<ScriptedUser>());
        EXPECT_TRUE(users.back()->connectTo(port(), UniqueName(stem)));
        return *users.back();
    }
    ScriptedUser& userInChannel(const QString& stem = "user") {
        ScriptedUser& user = newUser(stem);
        user.send("JOIN " + channel);
        EXPECT_FALSE(user.waitForLine("*366 " + user.nick).isEmpty());
        return user;
    }
    // The text of the first line `user` got from the character at `target` after line `from`,
    // or empty.
    QString replyTo(ScriptedUser& user, const QString& target, qsizetype from, int ms = 15000) {
        const QString head = "PRIVMSG " + target + " :";
        QString found;
        WaitUntil(
            [&] {
                for (qsizetype i = from; i < user.lines.size(); ++i)
                    if (user.lines[i].startsWith(':' + nick + '!') &&
                        user.lines[i].contains(head)) {
                        found = user.lines[i].mid(user.lines[i].indexOf(head) + head.size());
                        return true;
                    }
                return false;
            },
            ms);
        return found;
    }
    bool consoleSaid(const QString& line) const { return fakes.console.lines.contains(line); }
    // users_online as "user channel" rows, sorted.
    QStringList usersOnline() {
        QStringList rows;
        Query& db = brain.db();
        db.open("SELECT user, channel FROM users_online");
        for (db.first(); !db.eof(); db.next())
            rows << db.field("user") + ' ' + db.field("channel");
        rows.sort();
        return rows;
    }
    // Waits until users_online holds exactly `rows` (in any order).
    ::testing::AssertionResult usersOnlineBecome(QStringList rows) {
        rows.sort();
        QStringList seen;
        if (WaitUntil([&] { return (seen = usersOnline()) == rows; }, 10000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "users_online holds\n  " << seen.join("\n  ").toStdString() << "\nnot\n  "
               << rows.join("\n  ").toStdString();
    }

    SystemClock clock;
    const QString nick = UniqueName("Tv");
    const QString channel = UniqueName("#tv");
    IrcClient client;
    IrcLink link{client};
    IrcOnline online{*engine, client, QuickOnline()};
    std::vector<std::unique_ptr<ScriptedUser>> users;
};
