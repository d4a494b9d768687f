#include "irc/privileges.h"

#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class Privileges : public StageFixture {
  protected:
    Privileges() {
        settings().ownersNickname = "Owner";
        settings().testMode = false;
        settings().showNotifications = true;
        settings().enableConsoleSounds = true;
    }

    // Resolves the privilege of `nick` speaking from `address`; returns the level.
    Privilege resolve(const QString& nick, const QString& address) {
        Request& r =
            input("HELLO", nick, address == "127.0.0.1" ? TargetKind::Local : TargetKind::Private);
        r.UserAddress = address;
        fakes.notifications.balloons.clear();
        fakes.irc.sent.clear();
        fakes.sounds.played.clear();
        ResolvePrivilege(*engine);
        return r.Privilege;
    }
    // Every users_privileges row as "user@host type", oldest first.
    QStringList rows() {
        QStringList found;
        Query& db = brain.db();
        db.open("SELECT * FROM users_privileges ORDER BY `index`");
        for (db.first(); !db.eof(); db.next())
            found << db.field("user") + '@' + db.field("host") + ' ' + db.field("type");
        return found;
    }
    void row(const QString& nick, const QString& host, const QString& type) {
        brain.db().execute("INSERT INTO users_privileges (user, host, type) VALUES (?, ?, ?)",
                           {EncodeNick(nick), host, type});
    }
    void verifyOwner(bool verified) {
        engine->stages.OwnerIdentityVerified = [verified](const Engine&) { return verified; };
    }
};

TEST_F(Privileges, StoredStatusWordsGiveTheirLevels) {
    const struct {
        const char* type;
        Privilege level;
    } cases[] = {{"BASIC USER", Privilege::BasicUser},
                 {"OWNER", Privilege::Owner},
                 {"COOWNER", Privilege::Owner},
                 {"SUPER MODERATOR", Privilege::SuperModerator},
                 {"BASIC MODERATOR", Privilege::BasicModerator},
                 {"IGNORED", Privilege::Ignored},
                 {"owner", Privilege::BasicUser},
                 {"SOMETHING", Privilege::BasicUser}};
    verifyOwner(true);  // an OWNER row from afar counts only for the verified owner
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        brain.db().execute("DELETE FROM users_privileges");
        row("Bob", "bob@host", c.type);
        EXPECT_EQ(resolve("Bob", "bob@host"), c.level);
        EXPECT_EQ(request().PrivilegeHost, "bob@host");
        EXPECT_FALSE(request().TemporaryGranted);
        EXPECT_EQ(rows(), QStringList{"Bob@bob@host " + QString(c.type)});
    }
}

TEST_F(Privileges, NewUsersAreEnrolledPerAddressAsBasicUsers) {
    EXPECT_EQ(resolve("Bob", "bob@one"), Privilege::BasicUser);
    EXPECT_EQ(request().PrivilegeHost, "");
    EXPECT_EQ(resolve("Bob", "bob@one"), Privilege::BasicUser);
    EXPECT_EQ(resolve("Bob", "bob@two"), Privilege::BasicUser);
    EXPECT_EQ(resolve("[Bob]", "it's \"quoted\" \\ %_"), Privilege::BasicUser);
    EXPECT_EQ(rows(), QStringList({"Bob@bob@one BASIC USER", "Bob@bob@two BASIC USER",
                                   "SPCLFTBRCKTBobSPCRGTBRCKT@it's \"quoted\" \\ %_ BASIC USER"}));
}

TEST_F(Privileges, TheOwnerOnTheLocalConsoleIsEnrolledWithoutANotice) {
    EXPECT_EQ(resolve("Owner", "127.0.0.1"), Privilege::Owner);
    EXPECT_EQ(rows(), QStringList{"Owner@127.0.0.1 OWNER"});
    EXPECT_TRUE(fakes.notifications.balloons.isEmpty());
    EXPECT_EQ(resolve("Owner", "127.0.0.1"), Privilege::Owner);
    EXPECT_EQ(request().PrivilegeHost, "127.0.0.1");
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(Privileges, TheOwnersNickFromAfarIsNoOwnerUntilVerified) {
    resolve("Owner", "127.0.0.1");
    for (const bool filledIn : {false, true}) {
        SCOPED_TRACE(filledIn);
        if (filledIn) verifyOwner(false);
        EXPECT_EQ(resolve("Owner", "owner@far.example"), Privilege::BasicUser);
        EXPECT_EQ(rows(), QStringList{"Owner@127.0.0.1 OWNER"});
        EXPECT_TRUE(consoleLines().contains(
            "A.I. > Owner status for Owner from owner@far.example not granted: the owner's "
            "identity is not verified."));
        EXPECT_TRUE(fakes.notifications.balloons.isEmpty());
    }
    // The nick is compared exactly: another spelling is just a new user.
    EXPECT_EQ(resolve("OWNER", "owner@far.example"), Privilege::BasicUser);
    EXPECT_EQ(rows().last(), "OWNER@owner@far.example BASIC USER");
}

TEST_F(Privileges, AnOwnerRowFromAfarCountsOnlyWhileTheOwnerIsVerified) {
    row("Owner", "owner@home.example", "OWNER");
    row("Owner", "owner@work.example", "COOWNER");
    row("Renamed", "owner@home.example", "OWNER");
    row("Co", "co@co.example", "COOWNER");
    const struct {
        const char* nick;
        const char* address;
        bool verified;
        Privilege level;
    } cases[] = {
        {"Owner", "owner@home.example", false, Privilege::BasicUser},
        {"Owner", "owner@home.example", true, Privilege::Owner},
        {"Owner", "owner@work.example", false, Privilege::BasicUser},
        {"Renamed", "owner@home.example", false, Privilege::BasicUser},
        {"Renamed", "owner@home.example", true, Privilege::Owner},
        {"Co", "co@co.example", false, Privilege::Owner},  // co-owners go by their address
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            (QString(c.nick) + '@' + c.address + (c.verified ? " verified" : "")).toStdString());
        verifyOwner(c.verified);
        EXPECT_EQ(resolve(c.nick, c.address), c.level);
    }
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(Privileges, AVerifiedOwnerFromAfarIsEnrolledWithThePrimaryThenSecondaryNotice) {
    verifyOwner(true);
    fakes.irc.online = true;
    resolve("Owner", "127.0.0.1");
    EXPECT_EQ(resolve("Owner", "owner@one.example"), Privilege::Owner);
    const QString primary = "Your primary Q.I.V.O™ online owner status is now activated!";
    EXPECT_EQ(fakes.notifications.balloons, QStringList{"Q.I.V.O™: " + primary});
    EXPECT_EQ(fakes.irc.sent, QStringList{"NOTICE Owner :" + primary});
    ASSERT_EQ(fakes.sounds.played.size(), 1);
    EXPECT_TRUE(fakes.sounds.played[0].endsWith("/sounds/alert.wav"));

    settings().enableConsoleSounds = false;
    fakes.irc.online = false;
    EXPECT_EQ(resolve("Owner", "owner@two.example"), Privilege::Owner);
    EXPECT_EQ(
        fakes.notifications.balloons,
        QStringList{"Q.I.V.O™: Your secondary Q.I.V.O™ online owner status is now activated!"});
    EXPECT_TRUE(fakes.irc.sent.isEmpty());
    EXPECT_TRUE(fakes.sounds.played.isEmpty());

    settings().showNotifications = false;
    EXPECT_EQ(resolve("Owner", "owner@three.example"), Privilege::Owner);
    EXPECT_TRUE(fakes.notifications.balloons.isEmpty());
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(Privileges, TestModeGrantsTemporaryModeratorsUntilItIsSwitchedOff) {
    row("Carol", "carol@host", "BASIC USER");
    row("Dave", "dave@host", "SUPER MODERATOR");
    settings().testMode = true;
    const QString granted = "A.I. > Granted temporary basic moderator status for user ";
    for (const char* nick : {"Bob", "Carol"}) {
        SCOPED_TRACE(nick);
        const QString address = QString(nick).toLower() + "@host";
        EXPECT_EQ(resolve(nick, address), Privilege::BasicModerator);
        EXPECT_TRUE(request().TemporaryGranted);
        EXPECT_TRUE(consoleLines().contains(granted + nick + "."));
        // Renewed, with its line, on every input.
        EXPECT_EQ(resolve(nick, address), Privilege::BasicModerator);
        EXPECT_TRUE(consoleLines().contains(granted + nick + "."));
    }
    EXPECT_EQ(resolve("Dave", "dave@host"), Privilege::SuperModerator);
    EXPECT_FALSE(request().TemporaryGranted);
    EXPECT_EQ(resolve("Owner", "127.0.0.1"), Privilege::Owner);
    EXPECT_EQ(rows(), QStringList({"Carol@carol@host TEMPORARY", "Dave@dave@host SUPER MODERATOR",
                                   "Bob@bob@host TEMPORARY", "Owner@127.0.0.1 OWNER"}));

    settings().testMode = false;
    EXPECT_EQ(resolve("Bob", "bob@host"), Privilege::BasicUser);
    EXPECT_FALSE(request().TemporaryGranted);
    EXPECT_EQ(rows()[2], "Bob@bob@host BASIC USER");
    EXPECT_EQ(rows().size(), 4);
}

TEST_F(Privileges, TheOwnersNickWithATemporaryRowStaysABasicUser) {
    row("Owner", "owner@host", "TEMPORARY");
    EXPECT_EQ(resolve("Owner", "owner@host"), Privilege::BasicUser);
    EXPECT_EQ(rows(), QStringList{"Owner@owner@host TEMPORARY"});
}

}  // namespace
