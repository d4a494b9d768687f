#pragma once

#include "irc/message_front_end.h"
#include "support/engine_fixture.h"

// The character online and operator in #qivo, every protection switched off until a test switches
// it on, public messages processed; the clock moves only when a test says so.
class ProtectionFixture : public EngineFixture {
  protected:
    ProtectionFixture() {
        fakes.irc.online = true;
        Settings& s = engine->state.settings;
        s.protectFromMessageFlood = s.protectFromSpam = s.protectFromBadContent = false;
        s.protectFromJoinFlood = s.protectFromBadNicknames = false;
        s.temporaryIncognitoForAdmins = false;
        s.processPublicMessages = true;
        engine->state.stores.IsOpStore.append(TIsOp{"#qivo", 1, 0});
    }
    Settings& settings() { return engine->state.settings; }
    void at(int ms) { fakes.clock.at = kStart.addMSecs(ms); }
    static QString address(const QString& nick) { return nick.toLower() + "@host.example"; }

    // A channel message of `nick` in #qivo at `ms`; whether the front end let it through.
    bool post(const QString& nick, const QString& text, int ms,
              const QString& channel = QStringLiteral("#qivo")) {
        at(ms);
        return MessageFrontEnd(*engine, nick, address(nick), text, channel).has_value();
    }
    void join(const QString& nick, int ms, const QString& channel = QStringLiteral("#qivo")) {
        at(ms);
        engine->stages.CheckJoin(*engine, nick, address(nick), channel);
    }
    void addBadWord(const QString& bc) {
        brain.db().execute("INSERT INTO words_bc (bc) VALUES (?)", {bc});
    }
    void addPrivilege(const QString& nick, const QString& host, const QString& type,
                      const QString& incognito) {
        brain.db().execute(
            "INSERT INTO users_privileges (user, host, type, incognito) VALUES (?, ?, ?, ?)",
            {nick, host, type, incognito});
    }

    // The lines that went to IRC, and those of one command.
    QStringList sent(const QString& command) const {
        QStringList lines;
        for (const QString& line : fakes.irc.sent)
            if (line.startsWith(command + ' ')) lines << line;
        return lines;
    }
    // The kick line the event's message makes for `nick` in #qivo.
    QString kickLine(const QString& nick, const QString& event) {
        QString reason = engine->stages.PrepareEventReply(*engine, event, nick);
        return "KICK #qivo " + nick + " :" + reason.remove("[SYSMSG]").trimmed();
    }

    static inline const QDateTime kStart = QDateTime(QDate(2026, 12, 9), QTime(12, 0));
};
