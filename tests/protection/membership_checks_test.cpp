#include "brain/nick_encoding.h"
#include "protection/clean_symbols.h"
#include "protection/protection_actions.h"
#include "protection/protection_fixture.h"

namespace {

TEST(CleanSymbols, LeavesWordsAndSingleBlanks) {
    const struct {
        const char* text;
        const char* clean;
    } cases[] = {
        {"", ""},
        {"HELLO", "HELLO"},
        {"don't", "dont"},
        {"a,b.c", "a b c"},
        {"(spam)!", " spam "},
        {"a - b", "a b"},
        {"x!!!!!!!!!!y", "x y"},
        {"`~!@#$%^&*()-_+=[]{}|\u00B0\\:;\"?,.<>", " "},
        {"ā/ē", "ā/ē"},  // a slash and Latvian letters stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanSymbols(QString::fromUtf8(c.text)), QString::fromUtf8(c.clean)) << c.text;
}

class JoinProtection : public ProtectionFixture {
  protected:
    JoinProtection() {
        Settings& s = settings();
        s.protectFromJoinFlood = true;
        s.JoinFloodMs = "1000";
        s.JoinFloodAllowed = "1";
        s.JoinFloodKicks = "1";
        s.BnKicks = "1";
        addBadWord("SPAM");
        addBadWord("(");  // no valid pattern: matches nothing and stops nothing
        engine->state.stores.IsOpStore.append(TIsOp{"#other", 0, 0});
    }
    QString kick(const QString& channel, const QString& nick, const QString& event) {
        return kickLine(nick, event).replace("KICK #qivo ", "KICK " + channel + ' ');
    }
    static QStringList bans(const QString& channel, const QString& nick) {
        return {"MODE " + channel + " +b " + nick + "!*@*",
                "MODE " + channel + " +b *!*@host.example"};
    }
};

TEST_F(JoinProtection, JoinsSoonerThanTheIntervalKickPastTheAllowedThenBan) {
    const struct {
        int ms;
        const char* kick;
    } joins[] = {{0, ""},  // makes the record
                 {500, ""},  {900, "On Join Flood - Kick"},
                 {1200, ""}, {1500, "On Join Flood - Ban Kick"},
                 {5000, ""}};
    for (const auto& j : joins) {
        SCOPED_TRACE(j.ms);
        fakes.irc.sent.clear();
        join("Jumpy", j.ms);
        const bool banned = QString(j.kick).contains("Ban");
        EXPECT_EQ(sent("MODE"), banned ? bans("#qivo", "Jumpy") : QStringList{});
        EXPECT_EQ(sent("KICK"),
                  *j.kick ? QStringList{kick("#qivo", "Jumpy", j.kick)} : QStringList{});
    }
}

TEST_F(JoinProtection, ABadNickIsKickedOnItsFirstJoinAndBannedPastTheLimit) {
    settings().protectFromBadNicknames = true;
    join("Alice", 0);
    join("[Spam]", 0);  // cleaned of its brackets it holds a bad word
    join("SpamBot", 0);
    EXPECT_EQ(sent("KICK"), (QStringList{kick("#qivo", "[Spam]", "On Bn - Kick"),
                                         kick("#qivo", "SpamBot", "On Bn - Kick")}));
    EXPECT_TRUE(sent("MODE").isEmpty());
    fakes.irc.sent.clear();
    join("SpamBot", 10000);
    EXPECT_EQ(sent("MODE"), bans("#qivo", "SpamBot"));
    EXPECT_EQ(sent("KICK"), QStringList{kick("#qivo", "SpamBot", "On Bn - Ban Kick")});
}

// The gate holds for bad nicks of known users too, and nothing acts without "Protect From Join
// Flood".
TEST_F(JoinProtection, NoActionWhereNotOperatorOrSwitchedOff) {
    settings().protectFromBadNicknames = true;
    join("SpamBot", 0, "#other");
    join("SpamBot", 10000, "#other");
    join("SpamBot", 10100, "#other");
    join("SpamBot", 10200, "#other");
    settings().protectFromJoinFlood = false;
    join("SpamLord", 0);
    join("SpamLord", 100);
    join("SpamLord", 200);
    EXPECT_TRUE(fakes.irc.sent.isEmpty()) << fakes.irc.sent.join('\n').toStdString();
}

TEST_F(JoinProtection, ABadNewNickIsKickedWhereTheUserIsAndWeAreOperator) {
    Settings& s = settings();
    s.protectFromBadNicknames = true;
    for (const char* channel : {"#qivo", "#other", "#third"})
        brain.db().execute("INSERT INTO users_online (user, channel) VALUES (?, ?)",
                           {EncodeNick("[Spam]King"), channel});
    engine->state.stores.IsOpStore.append(TIsOp{"#third", 1, 0});
    auto change = [&] {
        return engine->stages.CheckNickChange(*engine, "King", address("King"), "[Spam]King");
    };
    EXPECT_TRUE(change());
    EXPECT_EQ(sent("KICK"), (QStringList{kick("#qivo", "[Spam]King", "On Bn - Kick"),
                                         kick("#third", "[Spam]King", "On Bn - Kick")}));
    fakes.irc.sent.clear();
    EXPECT_TRUE(change());  // the second kick passes BnKicks: banned where kicked
    EXPECT_EQ(sent("MODE"), bans("#qivo", "[Spam]King") + bans("#third", "[Spam]King"));
    EXPECT_EQ(sent("KICK").size(), 2);

    fakes.irc.sent.clear();
    EXPECT_FALSE(engine->stages.CheckNickChange(*engine, "King", address("King"), "Kingdom"));
    s.protectFromBadNicknames = false;
    EXPECT_FALSE(change());
    EXPECT_TRUE(fakes.irc.sent.isEmpty());
}

class Bans : public ProtectionFixture {
  protected:
    QStringList rows() {
        QStringList found;
        Query& db = brain.db();
        for (db.open("SELECT * FROM users_banned ORDER BY user"); !db.eof(); db.next())
            found << QStringList{db.field("user"), db.field("host"), db.field("ban_type"),
                                 db.field("ban_date"), db.field("ban_time")}
                         .join('|');
        return found;
    }
    BanLedger ledger;
};

TEST_F(Bans, AreRecordedOnceAndOnlyWhenTheServerSetsThem) {
    at(1500);
    PlaceBan(*engine, ledger, "Ann", "~ann@host.example", "#qivo", "SPAM");
    PlaceBan(*engine, ledger, "Tom", "tomhost", "#qivo", "FLOOD");
    EXPECT_EQ(sent("MODE"), (QStringList{"MODE #qivo +b Ann!*@*", "MODE #qivo +b *!*@host.example",
                                         "MODE #qivo +b Tom!*@*", "MODE #qivo +b *!tomhost"}));
    EXPECT_TRUE(rows().isEmpty());  // nothing before the server's word
    ledger.confirmed(*engine, "#QIVO", "ann!*@*");
    ledger.confirmed(*engine, "#qivo", "*!tomhost");
    ledger.confirmed(*engine, "#elsewhere", "*!*@host.example");  // not ours
    EXPECT_EQ(rows(), (QStringList{"Ann|Ann!*@*|SPAM|2026.12.09|12:00:01",
                                   "Tom|*!tomhost|FLOOD|2026.12.09|12:00:01"}));
    // A mask already recorded is set again but not recorded twice.
    PlaceBan(*engine, ledger, "Tim", "tomhost", "#qivo", "SPAM");
    ledger.confirmed(*engine, "#qivo", "*!tomhost");
    EXPECT_EQ(rows().size(), 2);
}

}  // namespace
