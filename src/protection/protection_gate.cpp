#include "protection_gate.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/engine.h"

namespace {

bool IsOperator(Engine& e, const QString& channel) {
    QList<TIsOp>& store = e.state.stores.IsOpStore;
    for (const TIsOp& record : store)
        if (e.out.irc->SameName(record.channel, channel)) return record.op == 1;
    store.append(TIsOp{channel, 0, 0});
    return false;
}

bool IsExempt(Engine& e, const QString& nick, const QString& address) {
    const QString user = EncodeNick(nick);
    if (e.db.open("SELECT * FROM users_privileges WHERE user=? AND host=? AND incognito=? LIMIT 1",
                  {user, address, QStringLiteral("YES")}) > 0)
        return true;
    return e.state.settings.temporaryIncognitoForAdmins &&
           e.db.open(
               "SELECT * FROM users_privileges WHERE user=? AND host=? AND ? RLIKE (type) "
               "LIMIT 1",
               {user, address, QStringLiteral("OWNER")}) > 0;
}

}  // namespace

bool ProtectionActsOn(Engine& e, const QString& channel, const QString& nick,
                      const QString& address) {
    return IsOperator(e, channel) && !IsExempt(e, nick, address);
}

void ProtectionGate(Engine& e) {
    const Request& r = e.state.request;
    e.state.messageChecks.ProtectionActs =
        ProtectionActsOn(e, r.ReplyTarget, r.UserNick, r.UserAddress);
}
