#pragma once

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "support/engine_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>

// The whole cycle on messages that IRC users type, with the !commands allowed. The users the
// test puts online have an address; the owner is "Owner", vouched for by the server only when
// the test says so.
class CommandsFixture : public EngineFixture {
  protected:
    CommandsFixture() {
        Settings& s = engine->state.settings;
        s.allowIrcCommands = true;
        s.ownersNickname = "Owner";
        s.nickname = "TalvaneBOT";
        s.testMode = false;
        s.allowTrainingMode = true;
        s.showDetailedConsoleLogTexts = true;
        s.HomepageText = "https://talvane.example/";
        fakes.irc.online = true;
        engine->stages.OwnerIdentityVerified = [this](const Engine&) { return ownerVerified; };
        engine->stages.OnlineAddressOf = [this](const Engine&, const QString& nick) {
            return online.value(nick.toLower());
        };
        engine->stages.ChannelNameLimit = [](const Engine&) { return 20; };
    }

    // `nick` is online from `address`, with a users_privileges row of `type` there.
    void user(const QString& nick, const QString& address, const QString& type) {
        online.insert(nick.toLower(), address);
        row(nick, address, type);
    }
    void row(const QString& nick, const QString& host, const QString& type) {
        brain.db().execute("INSERT INTO users_privileges (user, host, type) VALUES (?, ?, ?)",
                           {EncodeNick(nick), host, type});
    }

    // `nick` types `text` in private (or in `channel`); returns what went out on IRC.
    QStringList type(const QString& nick, const QString& text, const QString& channel = "") {
        TInput input;
        input.TargetKind = channel.isEmpty() ? TargetKind::Private : TargetKind::Channel;
        input.UserNick = nick;
        input.UserAddress = online.value(nick.toLower(), nick.toLower() + "@elsewhere.example");
        input.ReplyTarget = channel.isEmpty() ? nick : channel;
        input.RawText = text;
        input.OriginalPhrase = text;
        input.UpperPhrase = text.toUpper();
        fakes.irc.sent.clear();
        fakes.console.lines.clear();
        runCycle(input);
        return fakes.irc.sent;
    }
    // Whether the last input was carried out as a command.
    bool commandDone() const {
        for (const QString& line : fakes.console.lines)
            if (line.startsWith("A.I. > Command \"") && line.endsWith("\" succeed.")) return true;
        return false;
    }

    // Every users_privileges row as "user@host type incognito", oldest first.
    QStringList rows() {
        QStringList found;
        Query& db = brain.db();
        db.open("SELECT * FROM users_privileges ORDER BY `index`");
        for (db.first(); !db.eof(); db.next())
            found << db.field("user") + '@' + db.field("host") + ' ' + db.field("type") + ' ' +
                         db.field("incognito");
        return found;
    }

    // Runs the event loop until `done` holds or `ms` have passed.
    static bool waitUntil(const std::function<bool()>& done, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    bool ownerVerified = false;
    QHash<QString, QString> online;  // lower-cased nick -> address
};
