#include "bad_words.h"
#include "engine/engine.h"
#include "membership_checks.h"
#include "protection_actions.h"
#include "protection_gate.h"
#include "security_limits.h"
#include "user_record.h"

namespace {

const Offence kJoinFlood = {"On Join Flood - Kick", "On Join Flood - Ban Kick", "JOIN FLOOD"};

// A fast join counts; passed the limit it kicks. False when the gate did not let us act: then the
// join is not remembered and the nick not tested.
bool JudgeJoinFlood(Engine& e, BanLedger& ledger, TUserVariables& user, const QString& nick,
                    const QString& address, const QString& channel) {
    const SecurityLimits limits = ReadSecurityLimits(e.state.settings);
    if (ElapsedMs(e, user.lastJoinTime) < limits.JoinFloodMs) {
        if (!ProtectionActsOn(e, channel, nick, address)) return false;
        user.lastJoinTime = NowMs(e);
        if (++user.fastJoinCount > limits.JoinFloodAllowed) {
            user.fastJoinCount = 0;
            ++user.joinFloodKicks;
            Punish(e, ledger, kJoinFlood, user.joinFloodKicks, limits.JoinFloodKicks, nick, address,
                   channel);
        }
        return true;
    }
    user.lastJoinTime = NowMs(e);
    return true;
}

}  // namespace

void CheckJoin(Engine& e, BanLedger& ledger, const QString& nick, const QString& address,
               const QString& channel) {
    const Settings& s = e.state.settings;
    if (!s.protectFromJoinFlood) return;
    TUserVariables* user = FindUserRecord(e, nick);
    if (!user) {
        TUserVariables& added = e.state.stores.userVariables(nick);
        added.lastJoinTime = NowMs(e);
        // A first bad join is kicked without a ban.
        if (s.protectFromBadNicknames && ProtectionActsOn(e, channel, nick, address) &&
            IsBadNick(e, nick)) {
            e.state.stores.userVariables(nick).badNickKicks = 1;
            KickWithEvent(e, channel, nick, "On Bn - Kick");
        }
        return;
    }
    if (!JudgeJoinFlood(e, ledger, *user, nick, address, channel)) return;
    if (!s.protectFromBadNicknames || !ProtectionActsOn(e, channel, nick, address) ||
        !IsBadNick(e, nick))
        return;
    TUserVariables& judged = e.state.stores.userVariables(nick);
    ++judged.badNickKicks;
    Punish(e, ledger, {"On Bn - Kick", "On Bn - Ban Kick", "BADNICK"}, judged.badNickKicks,
           ReadSecurityLimits(s).BnKicks, nick, address, channel);
}
