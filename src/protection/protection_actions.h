#pragma once

#include <QList>
#include <QString>

class Engine;

// The bans we asked the server for and it has not yet confirmed. A ban is written to
// users_banned only when the server's MODE line shows it set: a ban the server refuses (we lost
// operator status meanwhile, the ban list is full) leaves no row behind.
class BanLedger {
  public:
    struct Pending {
        QString channel, mask, nick, type, date, time;
    };
    void expect(const Pending& ban);
    // The server set `mask` on `channel` at our request: records it once in users_banned.
    void confirmed(Engine& engine, const QString& channel, const QString& mask);

  private:
    QList<Pending> pending_;
};

// Kicks `nick` from `channel` with the message of `eventName` as the reason.
void KickWithEvent(Engine& engine, const QString& channel, const QString& nick,
                   const QString& eventName);

// Bans `nick` on `channel` by nick ("nick!*@*") and by host ("*!*@host", or "*!address" for an
// address without "@"); `type` names the protection in users_banned.
void PlaceBan(Engine& engine, BanLedger& ledger, const QString& nick, const QString& address,
              const QString& channel, const QString& type);

// What a protection does when a user passed its kick limit: the kick, and the ban before it when
// the user's kicks passed the ban limit. `kicks` is the user's kick count of that protection,
// already counted up; it starts again after a ban.
struct Offence {
    QString kickEvent, banEvent, banType;
};
void Punish(Engine& engine, BanLedger& ledger, const Offence& offence, int& kicks, int banLimit,
            const QString& nick, const QString& address, const QString& channel);
