#include "irc/raw_lines.h"

#include "brain/query.h"
#include "irc/irc_features.h"
#include "irc/irc_line.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

// The two servers' own 005 words.
const QStringList kNgircd = {"PREFIX=(qaohv)~&@%+", "CASEMAPPING=ascii",
                             "CHANMODES=beI,k,l,imMnOPQRstVz"};
const QStringList kInspircd = {"PREFIX=(ov)@+", "CASEMAPPING=rfc1459", "CHANMODES=b,k,l,imnpst"};

class RawLines : public EngineFixture {
  protected:
    RawLines() {
        engine->state.settings.showIrcReceivedLogTexts = false;
        fakes.clock.at = QDateTime(QDate(2026, 12, 9), QTime(21, 5, 7));
    }

    void receive(const QStringList& server, const QString& ownNick, const QStringList& lines) {
        IrcFeatures features;
        features.apply(server);
        for (const QString& line : lines)
            HandleRawLine(*engine, ParseIrcLine(line), features, ownNick);
    }
    // IsOpStore as "#c o1 v0" records joined by "|".
    QString store() const {
        QStringList records;
        for (const TIsOp& r : engine->state.stores.IsOpStore)
            records << QStringLiteral("%1 o%2 v%3").arg(r.channel).arg(r.op).arg(r.voice);
        return records.join('|');
    }
    QStringList usersOnline() {
        QStringList rows;
        Query& db = brain.db();
        db.open("SELECT * FROM users_online ORDER BY user");
        for (db.first(); !db.eof(); db.next())
            rows << db.field("user") + ' ' + db.field("channel");
        return rows;
    }
};

// Real lines of both servers and lines a user forges inside a message: only what the server
// says about the nick we have changes the bot's own status, and every change is logged.
TEST_F(RawLines, OwnStatusComesFromParsedLinesOnly) {
    const struct {
        const char* name;
        QStringList server;
        QString ownNick;
        QString before;  // records set up first, "#c o1 v0"
        QStringList lines;
        QString after;
        QStringList logged;  // what the status lines say, before " at 21:05:07."
    } cases[] = {
        {"inspircd gives op with a trailing parameter",
         kInspircd,
         "bot",
         "",
         {":alice!a@h MODE #c +o :bot"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"ngircd gives op",
         kNgircd,
         "bot",
         "",
         {":alice!~a@h MODE #c +o bot"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"+ov gives both",
         kInspircd,
         "bot",
         "",
         {":alice!a@h MODE #c +ov bot :bot"},
         "#c o1 v1",
         {"Got operator status on channel #c", "Got voice status on channel #c"}},
        {"two nicks given op at once",
         kInspircd,
         "bot",
         "",
         {":alice!a@h MODE #c +oo carol :bot"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"op for someone else", kInspircd, "bot", "", {":alice!a@h MODE #c +o :carol"}, "", {}},
        {"parameters of other modes are walked past",
         kNgircd,
         "bot",
         "#c o1 v0",
         {":alice!~a@h MODE #c +lk-o 10 key bot"},
         "#c o0 v0",
         {"Lost operator status on channel #c"}},
        {"a ban mask is no nick", kInspircd, "bot", "", {":alice!a@h MODE #c +b bot!*@*"}, "", {}},
        {"-o+v",
         kInspircd,
         "bot",
         "#c o1 v0",
         {":alice!a@h MODE #c -o+v bot :bot"},
         "#c o0 v1",
         {"Lost operator status on channel #c", "Got voice status on channel #c"}},
        {"a higher status gives op",
         kNgircd,
         "bot",
         "",
         {":alice!~a@h MODE #c +q bot"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"halfop is no op", kNgircd, "bot", "", {":alice!~a@h MODE #c +h bot"}, "", {}},
        {"a user mode is no channel status",
         kInspircd,
         "bot",
         "",
         {":bot!b@h MODE bot +o"},
         "",
         {}},
        {"forged in a message",
         kInspircd,
         "bot",
         "#c o1 v1",
         {":mallory!m@h PRIVMSG #c :MODE #c -o bot", ":mallory!m@h PRIVMSG #c :KICK #c bot",
          ":mallory!m@h PRIVMSG bot :MODE #c -o bot", ":mallory!m@h NOTICE #c :+o bot"},
         "#c o1 v1",
         {}},
        {"the nick the server gave us",
         kInspircd,
         "QIVO3",
         "",
         {":alice!a@h MODE #c +o :TalvaneBOT", ":alice!a@h MODE #c +o :qivo3"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"rfc1459 folds brackets",
         kInspircd,
         "[bot]",
         "",
         {":alice!a@h MODE #C +o :{BOT}"},
         "#C o1 v0",
         {"Got operator status on channel #C"}},
        {"ascii does not", kNgircd, "[bot]", "", {":alice!~a@h MODE #c +o {bot}"}, "", {}},
        {"kicked while op",
         kInspircd,
         "bot",
         "#c o1 v1",
         {":alice!a@h KICK #c bot :out"},
         "#c o0 v0",
         {"Lost operator status on channel #c"}},
        {"kicked without a record",
         kNgircd,
         "bot",
         "",
         {":alice!~a@h KICK #c :bot"},
         "#c o0 v0",
         {"Lost operator status on channel #c"}},
        {"kicked without op",
         kInspircd,
         "bot",
         "#c o0 v1",
         {":alice!a@h KICK #c bot"},
         "#c o0 v1",
         {}},
        {"someone else kicked",
         kInspircd,
         "bot",
         "#c o1 v0",
         {":alice!a@h KICK #c carol :x"},
         "#c o1 v0",
         {}},
        {"ngircd's name list, op first",
         kNgircd,
         "bot",
         "",
         {":irc.test 353 bot = #c :@bot alice"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"inspircd's name list, us last",
         kInspircd,
         "bot",
         "",
         {":irc.test 353 bot = #c :@alice @bot"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"multi-prefix, founder",
         kNgircd,
         "bot",
         "",
         {":irc.test 353 bot @ #c :~@+bot @alice"},
         "#c o1 v0",
         {"Got operator status on channel #c"}},
        {"listed without op", kInspircd, "bot", "", {":irc.test 353 bot = #c :@alice bot"}, "", {}},
        {"listed without op after a stale record",
         kInspircd,
         "bot",
         "#c o1 v0",
         {":irc.test 353 bot = #c :@alice +bot"},
         "#c o0 v0",
         {"Lost operator status on channel #c"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine->state.stores.IsOpStore.clear();
        for (const QString& record : c.before.split('|', Qt::SkipEmptyParts)) {
            const QStringList words = record.split(' ');
            engine->state.stores.IsOpStore.append(
                TIsOp{words[0], words[1].mid(1).toInt(), words[2].mid(1).toInt()});
        }
        fakes.additional.log.clear();
        receive(c.server, c.ownNick, c.lines);
        EXPECT_EQ(store(), c.after);
        QStringList expected;
        for (const QString& line : c.logged)
            expected << "A.I. > " + line + " at 21:05:07.";
        EXPECT_EQ(fakes.additional.log, expected);
    }
}

TEST_F(RawLines, ANameListPutsTheOthersIntoUsersOnlineOnce) {
    receive(
        kNgircd, "bot",
        {":irc.test 353 bot = #c :@bot al[ice] +carol", ":irc.test 353 bot * #priv :~dave bot"});
    const QStringList expected = {"alSPCLFTBRCKTiceSPCRGTBRCKT #c", "carol #c", "dave #priv"};
    EXPECT_EQ(usersOnline(), expected);
    EXPECT_EQ(fakes.console.lines,
              QStringList({"A.I. > Creating #c user list..", "A.I. > User list created.",
                           "A.I. > Creating #priv user list..", "A.I. > User list created."}));
    // The list seen again after a reconnect replaces the rows.
    receive(kNgircd, "bot", {":irc.test 353 bot = #c :@bot al[ice] +carol"});
    EXPECT_EQ(usersOnline(), expected);
}

TEST_F(RawLines, EveryLineIsShownWhenAsked) {
    engine->state.settings.showIrcReceivedLogTexts = true;
    receive(kInspircd, "bot", {"PING :irc.test"});
    EXPECT_EQ(fakes.console.lines, QStringList({"IRC > PING :irc.test"}));
}

}  // namespace
