#include "protection_actions.h"

#include "brain/query.h"
#include "engine/engine.h"

namespace {

// Bans never confirmed are forgotten after this many newer ones.
constexpr qsizetype kMaxPending = 100;

}  // namespace

void BanLedger::expect(const Pending& ban) {
    pending_.append(ban);
    if (pending_.size() > kMaxPending) pending_.removeFirst();
}

void BanLedger::confirmed(Engine& e, const QString& channel, const QString& mask) {
    for (qsizetype i = 0; i < pending_.size(); ++i) {
        const Pending ban = pending_[i];
        if (!e.out.irc->SameName(ban.channel, channel) ||
            ban.mask.compare(mask, Qt::CaseInsensitive) != 0)
            continue;
        pending_.removeAt(i);
        if (e.db.open("SELECT * FROM users_banned WHERE host=? LIMIT 1", {ban.mask}) > 0) return;
        e.db.execute(
            "INSERT INTO users_banned (`user`, `host`, `ban_type`, `ban_date`, "
            "`ban_time`) VALUES (?, ?, ?, ?, ?)",
            {ban.nick, ban.mask, ban.type, ban.date, ban.time});
        return;
    }
}

void KickWithEvent(Engine& e, const QString& channel, const QString& nick,
                   const QString& eventName) {
    QString reason = e.stages.PrepareEventReply(e, eventName, nick);
    e.out.irc->KickUser(channel, nick,
                        reason.remove(QLatin1String("[SYSMSG]"), Qt::CaseInsensitive).trimmed());
}

void PlaceBan(Engine& e, BanLedger& ledger, const QString& nick, const QString& address,
              const QString& channel, const QString& type) {
    const QDateTime now = e.out.clock->now();
    const qsizetype at = address.indexOf('@');
    const QStringList masks = {nick + "!*@*", at >= 0 ? "*!*" + address.mid(at) : "*!" + address};
    for (const QString& mask : masks) {
        e.out.irc->SendRawLine("MODE " + channel + " +b " + mask);
        ledger.expect(
            {channel, mask, nick, type, now.toString("yyyy.MM.dd"), now.toString("hh:mm:ss")});
    }
}

void Punish(Engine& e, BanLedger& ledger, const Offence& offence, int& kicks, int banLimit,
            const QString& nick, const QString& address, const QString& channel) {
    QString event = offence.kickEvent;
    if (kicks > banLimit) {
        event = offence.banEvent;
        kicks = 0;
        PlaceBan(e, ledger, nick, address, channel, offence.banType);
    }
    KickWithEvent(e, channel, nick, event);
}
