#include "privileges.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"

#include <QHash>

namespace {

const QString kLocalConsole = QStringLiteral("127.0.0.1");

Privilege LevelOf(const QString& type) {
    static const QHash<QString, Privilege> levels = {{"BASIC USER", Privilege::BasicUser},
                                                     {"OWNER", Privilege::Owner},
                                                     {"COOWNER", Privilege::Owner},
                                                     {"SUPER MODERATOR", Privilege::SuperModerator},
                                                     {"BASIC MODERATOR", Privilege::BasicModerator},
                                                     {"IGNORED", Privilege::Ignored}};
    return levels.value(type, Privilege::BasicUser);
}

class PrivilegeResolution {
  public:
    explicit PrivilegeResolution(Engine& engine)
        : e_(engine), r_(engine.state.request), settings_(engine.state.settings) {}

    void run() {
        r_.TemporaryGranted = false;
        Query& db = e_.db;
        if (db.open("SELECT * FROM users_privileges WHERE user=? AND host=? LIMIT 1",
                    {r_.UserKey, r_.UserAddress}) > 0) {
            index_ = db.field("index");
            type_ = db.field("type");
            r_.PrivilegeHost = db.field("host");
            r_.Privilege = LevelOf(type_);
            if (r_.Privilege == Privilege::Owner && !ownerProved()) {
                r_.Privilege = Privilege::BasicUser;
                return;
            }
            if (type_ == "BASIC USER" && settings_.testMode) return grantTemporary();
            if (type_ != "TEMPORARY") return;
        }
        const bool owner = r_.UserNick == settings_.ownersNickname;
        if (!owner) {
            if (settings_.testMode) return grantTemporary();
            write("BASIC USER");
            r_.Privilege = Privilege::BasicUser;
            return;
        }
        if (index_.isEmpty()) enrolOwner();
    }

  private:
    // Rewrites the row found with a new status word, or adds one for this address.
    void write(const QString& type) {
        if (index_.isEmpty()) {
            e_.db.execute("INSERT INTO users_privileges (`user`, `host`, `type`) VALUES (?, ?, ?)",
                          {r_.UserKey, r_.UserAddress, type});
        } else {
            e_.db.execute(
                "REPLACE users_privileges (`index`, `user`, `host`, `type`) VALUES (?, ?, ?, ?)",
                {index_, r_.UserKey, r_.UserAddress, type});
        }
    }

    void grantTemporary() {
        write("TEMPORARY");
        r_.Privilege = Privilege::BasicModerator;
        r_.TemporaryGranted = true;
        ConsoleLine(
            e_, "A.I. > Granted temporary basic moderator status for user " + r_.UserNick + ".");
    }

    // The owner's nick from an address without a row. A nick alone proves nothing on IRC, so a
    // remote address becomes the owner's only when the owner's identity is verified.
    void enrolOwner() {
        const bool hadRemoteRow =
            e_.db.open("SELECT * FROM users_privileges WHERE user=? AND host <> ?",
                       {r_.OwnerKey, kLocalConsole}) > 0;
        if (r_.UserAddress == kLocalConsole) {
            write("OWNER");
            r_.Privilege = Privilege::Owner;
            return;
        }
        if (!ownerProved()) return;
        write("OWNER");
        r_.Privilege = Privilege::Owner;
        notifyOwner(hadRemoteRow ? "Your secondary Q.I.V.O™ online owner status is now activated!"
                                 : "Your primary Q.I.V.O™ online owner status is now activated!");
    }

    // The owner's nick, and an owner row of any nick, count on IRC only while the server vouches
    // that the user is logged in to the owner's services account: whoever takes the nick or the
    // address of the owner is not the owner.
    bool ownerProved() {
        const bool ownerClaim = r_.UserNick == settings_.ownersNickname || type_ == "OWNER";
        if (r_.UserAddress == kLocalConsole || !ownerClaim || e_.stages.OwnerIdentityVerified(e_))
            return true;
        DetailLine(e_, "A.I. > Owner status for " + r_.UserNick + " from " + r_.UserAddress +
                           " not granted: the owner's identity is not verified.");
        return false;
    }

    void notifyOwner(const QString& text) {
        if (!settings_.showNotifications) return;
        e_.out.notifications->balloon("Q.I.V.O™", text);
        if (e_.out.irc->IsConnected()) e_.out.irc->SendNotice(settings_.ownersNickname, text);
        PlayCue(e_, "alert.wav");
    }

    Engine& e_;
    Request& r_;
    const Settings& settings_;
    QString index_, type_;
};

}  // namespace

void ResolvePrivilege(Engine& engine) {
    PrivilegeResolution(engine).run();
}
