#include "status_commands.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "command_call.h"
#include "engine/engine.h"

#include <optional>

namespace {

struct PrivilegeRow {
    QString index, user, host, type;
};

// The row of the address the nick is online from. A nick alone would find the row of whoever
// used it first, perhaps from another address; a nick that is not online finds none, and the
// local console's row is never found from IRC.
std::optional<PrivilegeRow> OnlineRow(Engine& e, const QString& nick) {
    const QString address = e.stages.OnlineAddressOf(e, nick);
    if (!address.contains('@')) return std::nullopt;
    if (e.db.open("SELECT * FROM users_privileges WHERE user=? AND host=? LIMIT 1",
                  {EncodeNick(nick), address}) == 0)
        return std::nullopt;
    return PrivilegeRow{e.db.field("index"), e.db.field("user"), e.db.field("host"),
                        e.db.field("type")};
}

// A refusal for the row, or empty when the user may change it. Only the owner changes the rows
// of the owner and the co-owners; a status command never changes one's own such row.
QString Refusal(const Engine& e, const QString& nick, const PrivilegeRow& row, bool statusChange) {
    const QString& user = e.state.request.UserNick;
    const bool owner = user == e.state.settings.ownersNickname;
    const bool high = row.type == "OWNER" || row.type == "COOWNER";
    if (high && statusChange && nick == user)
        return owner || row.type == "OWNER"
                   ? "You cannot set this status for yourself, because you are the Q.I.V.O™ owner."
                   : "You cannot set this status for yourself, because you are the Q.I.V.O™ "
                     "co-owner.";
    if (high && !owner)
        return "Only the Q.I.V.O™ owner can change the status of the Q.I.V.O™ owner and "
               "co-owners.";
    return QString();
}

enum class Target { NoCommand, Answered, Found };

// The steps both commands share: the nick, its row, the refusals.
Target FindTarget(const CommandCall& call, bool statusChange, QString& nick, PrivilegeRow& row) {
    const std::optional<QString> named = OneNick(call.rawAfter());
    if (!named) return Target::NoCommand;
    nick = *named;
    const std::optional<PrivilegeRow> found = OnlineRow(call.e, nick);
    if (!found) {
        DoesNotKnow(call, nick);
        return Target::Answered;
    }
    row = *found;
    const QString refusal = Refusal(call.e, nick, row, statusChange);
    if (refusal.isEmpty()) return Target::Found;
    call.reply(refusal);
    return Target::Answered;
}

}  // namespace

bool SetStatus(const CommandCall& call, const StatusChange& change) {
    QString nick;
    PrivilegeRow row;
    const Target target = FindTarget(call, true, nick, row);
    if (target != Target::Found) return target == Target::Answered;
    // The row is written without its incognito mark.
    call.e.db.execute(
        "REPLACE users_privileges (`index`, `user`, `host`, `type`) VALUES (?, ?, ?, ?)",
        {row.index, row.user, row.host, change.type});
    call.reply("Users " + nick + " hostname is " + row.host + ".");
    call.reply("User " + nick + change.replyTail);
    call.e.out.irc->SendNotice(nick, change.noticeText);
    return true;
}

bool SetIncognito(const CommandCall& call, bool incognito) {
    QString nick;
    PrivilegeRow row;
    const Target target = FindTarget(call, false, nick, row);
    if (target != Target::Found) return target == Target::Answered;
    call.e.db.execute(
        "REPLACE users_privileges (`index`, `user`, `host`, `type`, `incognito`) VALUES (?, ?, ?, "
        "?, ?)",
        {row.index, row.user, row.host, row.type, incognito ? "YES" : "NO"});
    call.reply("Users " + nick + " hostname is " + row.host + ".");
    call.reply("User " + nick +
               (incognito ? " now has incognito status!" : " now lost incognito status!"));
    call.e.out.irc->SendNotice(
        nick, incognito ? "Now you have incognito status!" : "Now you lost incognito status!");
    return true;
}
