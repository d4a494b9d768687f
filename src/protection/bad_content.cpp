#include "bad_words.h"
#include "engine/engine.h"
#include "message_checks.h"
#include "protection_actions.h"
#include "security_limits.h"
#include "user_record.h"

void CheckBadContent(Engine& e, BanLedger& ledger) {
    const Request& r = e.state.request;
    TUserVariables* user = FindUserRecord(e, r.UserNick);
    if (!user) {
        e.state.stores.userVariables(r.UserNick);
        return;
    }
    if (!e.state.messageChecks.ProtectionActs || !HoldsBadWord(e, r.WorkPhrase)) return;
    e.state.messageChecks.BadContentHit = true;
    const SecurityLimits limits = ReadSecurityLimits(e.state.settings);
    if (++user->badContentCount <= limits.BcAllowed) return;
    user->badContentCount = 0;
    ++user->badContentKicks;
    Punish(e, ledger, {"On Bc - Kick", "On Bc - Ban Kick", "BADCONTENT"}, user->badContentKicks,
           limits.BcKicks, r.UserNick, r.UserAddress, r.ReplyTarget);
}
