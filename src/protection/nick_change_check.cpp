#include "bad_words.h"
#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/engine.h"
#include "membership_checks.h"
#include "protection_actions.h"
#include "protection_gate.h"
#include "security_limits.h"
#include "user_record.h"

#include <algorithm>

namespace {

// The channels where users_online has the user and we may act on the user.
QStringList ChannelsToGuard(Engine& e, const QString& nick, const QString& address) {
    QStringList listed;
    Query& db = e.db;
    for (db.open("SELECT DISTINCT channel FROM users_online WHERE user=? ORDER BY channel",
                 {EncodeNick(nick)});
         !db.eof(); db.next())
        listed << db.field("channel");
    QStringList guarded;
    for (const QString& channel : listed)
        if (ProtectionActsOn(e, channel, nick, address)) guarded << channel;
    return guarded;
}

}  // namespace

bool CheckNickChange(Engine& e, BanLedger& ledger, const QString& /*oldNick*/,
                     const QString& address, const QString& newNick) {
    const Settings& s = e.state.settings;
    if (!s.protectFromJoinFlood || !s.protectFromBadNicknames) return false;
    // A user we never met starts a record here and is judged all the same: a bad nick must not
    // pass because its owner kept quiet before the change.
    const bool known = FindUserRecord(e, newNick) != nullptr;
    e.state.stores.userVariables(newNick);
    // Where we are operator nowhere there is nothing to guard, and nothing to ask the brain.
    const QList<TIsOp>& ops = e.state.stores.IsOpStore;
    if (std::none_of(ops.begin(), ops.end(), [](const TIsOp& op) { return op.op == 1; }))
        return false;
    const QStringList channels = ChannelsToGuard(e, newNick, address);
    if (channels.isEmpty() || !IsBadNick(e, newNick)) return false;
    // A first kick never bans.
    int& kicks = e.state.stores.userVariables(newNick).badNickKicks;
    kicks = known ? kicks + 1 : 1;
    const bool ban = known && kicks > ReadSecurityLimits(s).BnKicks;
    if (ban) kicks = 0;
    for (const QString& channel : channels) {
        if (ban) PlaceBan(e, ledger, newNick, address, channel, "BADNICK");
        KickWithEvent(e, channel, newNick, ban ? "On Bn - Ban Kick" : "On Bn - Kick");
    }
    return true;
}
