#include "engine/engine.h"
#include "message_checks.h"
#include "protection_actions.h"
#include "security_limits.h"
#include "user_record.h"

void CheckFlood(Engine& e, BanLedger& ledger) {
    const Request& r = e.state.request;
    TUserVariables* user = FindUserRecord(e, r.UserNick);
    if (!user) {
        e.state.stores.userVariables(r.UserNick).lastMessageTime = NowMs(e);
        return;
    }
    const SecurityLimits limits = ReadSecurityLimits(e.state.settings);
    const bool fast = ElapsedMs(e, user->lastMessageTime) < limits.FloodMs;
    // Where we may not act, a fast message is not even remembered as the last one.
    if (fast && !e.state.messageChecks.ProtectionActs) return;
    user->lastMessageTime = NowMs(e);
    if (!fast) {
        user->fastMessageCount = 0;
        return;
    }
    e.state.messageChecks.FloodHit = true;
    if (++user->fastMessageCount < limits.FloodLines) return;
    user->fastMessageCount = 0;
    ++user->floodKicks;
    Punish(e, ledger, {"On Flood - Kick", "On Flood - Ban Kick", "FLOOD"}, user->floodKicks,
           limits.FloodKicks, r.UserNick, r.UserAddress, r.ReplyTarget);
}
