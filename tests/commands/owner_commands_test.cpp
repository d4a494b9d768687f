// The owner commands through the whole cycle: who may use them, and what they change.

#include "commands_fixture.h"

#include <gtest/gtest.h>

namespace {

class OwnerCommands : public CommandsFixture {
  protected:
    OwnerCommands() { everyone(); }

    void everyone() {
        brain.db().execute("DELETE FROM users_privileges");
        row("Owner", "127.0.0.1", "OWNER");
        user("Owner", "owner@home.example", "OWNER");
        user("Co", "co@co.example", "COOWNER");
        user("Super", "super@super.example", "SUPER MODERATOR");
        user("Bob", "bob@bob.example", "BASIC USER");
        ownerVerified = true;
    }
};

TEST_F(OwnerCommands, OnlyTheProvedOwnerAndTheCoOwnersMayUseThem) {
    const QString commands[] = {"!set buser Bob",      "!incognito add Bob", "!bc add spam",
                                "!join #qivo",         "!part #qivo",        "!part all",
                                "!overload synonyms 1"};
    const struct {
        const char* nick;
        bool verified;
        int allowed;  // how many of the commands above, from the first
    } users[] = {
        {"Owner", true, 7}, {"Co", true, 6},     {"Super", true, 0},
        {"Bob", true, 0},   {"Owner", false, 0},  // the owner's nick, the server vouching not
    };
    for (const auto& u : users) {
        for (int i = 0; i < 7; ++i) {
            SCOPED_TRACE((QString(u.nick) + (u.verified ? "" : " unverified") + ": " + commands[i])
                             .toStdString());
            everyone();
            ownerVerified = u.verified;
            type(u.nick, commands[i]);
            EXPECT_EQ(commandDone(), i < u.allowed);
        }
    }
    QCoreApplication::processEvents();
}

TEST_F(OwnerCommands, TheOwnersNickFromANewAddressWritesNoOwnerRow) {
    ownerVerified = false;
    online.insert("owner", "intruder@far.example");
    type("Owner", "!join #qivo");
    EXPECT_FALSE(commandDone());
    type("Owner", "!my status");
    EXPECT_EQ(fakes.irc.sent, QStringList{"PRIVMSG Owner :Your status is basic user."});
    EXPECT_EQ(
        brain.db().open("SELECT * FROM users_privileges WHERE host = ?", {"intruder@far.example"}),
        0);
    EXPECT_TRUE(brain.column("SELECT * FROM system_channels", "channel").isEmpty());
}

TEST_F(OwnerCommands, StatusChangesTheRowOfTheNicksCurrentAddress) {
    row("Bob", "bob@old.example", "BASIC USER");  // an older address of the nick
    EXPECT_EQ(type("Owner", "!set smoderator  Bob "),
              QStringList({"PRIVMSG Owner :Users Bob hostname is bob@bob.example.",
                           "PRIVMSG Owner :User Bob is now set as Q.I.V.O™ super moderator!",
                           "NOTICE Bob :Your status is now set as a Q.I.V.O™ super moderator!"}));
    EXPECT_TRUE(rows().contains("Bob@bob@bob.example SUPER MODERATOR NO"));
    EXPECT_TRUE(rows().contains("Bob@bob@old.example BASIC USER NO"));

    // Incognito keeps the status; a later status change drops the mark.
    EXPECT_EQ(type("Owner", "!incognito add bob"),
              QStringList({"PRIVMSG Owner :Users bob hostname is bob@bob.example.",
                           "PRIVMSG Owner :User bob now has incognito status!",
                           "NOTICE bob :Now you have incognito status!"}));
    EXPECT_TRUE(rows().contains("Bob@bob@bob.example SUPER MODERATOR YES"));
    type("Owner", "!set bmoderator Bob");
    EXPECT_TRUE(rows().contains("Bob@bob@bob.example BASIC MODERATOR NO"));

    const struct {
        const char* command;
        const char* type;
        const char* reply;
        const char* notice;
    } changes[] = {
        {"!set cowner Bob", "COOWNER", "User Bob is now set as Q.I.V.O™ co-owner!",
         "Your status is now set as Q.I.V.O™ co-owner!"},
        {"!set buser Bob", "BASIC USER", "User Bob is now set as Q.I.V.O™ basic user!",
         "Your status is now set as a Q.I.V.O™ basic user!"},
        {"!set ignored Bob", "IGNORED", "User Bob is now set as ignored for Q.I.V.O™!",
         "Your status is now set as ignored for Q.I.V.O™!"},
        {"!set bmoderator Bob", "BASIC MODERATOR",
         "User Bob is now set as a Q.I.V.O™ basic moderator!",
         "Your status is now set as a Q.I.V.O™ basic moderator!"},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.command);
        const QStringList sent = type("Owner", c.command);
        ASSERT_EQ(sent.size(), 3);
        EXPECT_EQ(sent[1], "PRIVMSG Owner :" + QString(c.reply));
        EXPECT_EQ(sent[2], "NOTICE Bob :" + QString(c.notice));
        EXPECT_TRUE(rows().contains("Bob@bob@bob.example " + QString(c.type) + " NO"));
    }
}

TEST_F(OwnerCommands, StatusCommandsRefuseWhatTheyMustNotChange) {
    const QString notOnline[] = {
        "ACTION Owner :does not know users Ghost hostname.",
        "PRIVMSG Owner :User Ghost has to make some conversation with me."};
    row("Ghost", "ghost@ghost.example", "BASIC USER");  // known, but not online
    EXPECT_EQ(type("Owner", "!set ignored Ghost"),
              QStringList(std::begin(notOnline), std::end(notOnline)));
    EXPECT_TRUE(commandDone());

    const QString ownerRefusal =
        "You cannot set this status for yourself, because you are the Q.I.V.O™ owner.";
    const QString onlyOwner =
        "Only the Q.I.V.O™ owner can change the status of the Q.I.V.O™ owner and co-owners.";
    const struct {
        const char* nick;
        const char* command;
        QString reply;
    } refusals[] = {
        {"Owner", "!set ignored Owner", ownerRefusal},
        {"Co", "!set buser Co",
         "You cannot set this status for yourself, because you are the Q.I.V.O™ co-owner."},
        {"Co", "!set buser Owner", onlyOwner},
        {"Co", "!incognito add Owner", onlyOwner},
    };
    const QStringList before = rows();
    for (const auto& c : refusals) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(type(c.nick, c.command),
                  QStringList{"PRIVMSG " + QString(c.nick) + " :" + c.reply});
        EXPECT_TRUE(commandDone());
    }
    EXPECT_EQ(rows(), before);

    // The owner may demote a co-owner; the local console's row stays as it is.
    type("Owner", "!set buser Co");
    EXPECT_TRUE(rows().contains("Co@co@co.example BASIC USER NO"));
    EXPECT_TRUE(rows().contains("Owner@127.0.0.1 OWNER NO"));
    // Without a usable nick the message is an ordinary phrase.
    type("Owner", "!set buser two words");
    EXPECT_FALSE(commandDone());
}

TEST_F(OwnerCommands, BadContentEntriesAreAddedAndRemovedAsValidPatterns) {
    EXPECT_EQ(type("Owner", "!bc add spam  word"), QStringList{"ACTION Owner :added bad content."});
    EXPECT_EQ(brain.column("SELECT * FROM words_bc", "bc"), QStringList{"SPAM WORD"});
    EXPECT_EQ(brain.column("SELECT * FROM words_bc", "owner"), QStringList{"Owner"});
    EXPECT_EQ(brain.column("SELECT * FROM words_bc", "date_learned"), QStringList{"2026.12.09"});
    EXPECT_EQ(brain.column("SELECT * FROM words_bc", "time_learned"), QStringList{"12:00"});
    EXPECT_EQ(type("Owner", "!BC ADD Spam Word"),
              QStringList{"ACTION Owner :bad content already exists."});
    for (const char* invalid : {"!bc add (spam", "!bc add", "!bc add   "}) {
        SCOPED_TRACE(invalid);
        const QStringList sent = type("Owner", invalid);
        ASSERT_EQ(sent.size(), 1);
        EXPECT_TRUE(sent[0].startsWith("ACTION Owner :cannot add bad content: "))
            << sent[0].toStdString();
        EXPECT_TRUE(commandDone());
    }
    EXPECT_EQ(type("Owner", "!bc rem Spam Word"), QStringList{"ACTION Owner :erased bad content."});
    EXPECT_EQ(type("Owner", "!bc rem Spam Word"),
              QStringList{"ACTION Owner :bad content not exist."});
    EXPECT_TRUE(brain.column("SELECT * FROM words_bc", "bc").isEmpty());
}

TEST_F(OwnerCommands, ChannelsAreJoinedAndPartedAsTheTableRemembers) {
    EXPECT_EQ(type("Owner", "!join qivo"),
              QStringList({"JOIN #qivo", "ACTION Owner :joined channel: #qivo"}));
    EXPECT_EQ(type("Owner", "!join ##QIVO"),
              QStringList{"ACTION Owner :is already inside channel: #QIVO"});
    type("Owner", "!join #second");
    EXPECT_EQ(brain.column("SELECT * FROM system_channels", "channel"),
              QStringList({"#qivo", "#second"}));
    for (const QString& bad : {QString("!join #two words"), QString("!join #one,two"),
                               QString("!join #") + QString(40, 'x'), QString("!join ")}) {
        SCOPED_TRACE(bad.toStdString());
        const QStringList sent = type("Owner", bad);
        ASSERT_EQ(sent.size(), 1);
        EXPECT_TRUE(sent[0].startsWith("ACTION Owner :cannot join channel: "))
            << sent[0].toStdString();
    }
    EXPECT_EQ(type("Owner", "!part #other"),
              QStringList{"ACTION Owner :is not on channel: #other"});
    EXPECT_EQ(type("Owner", "!part QIVO"),
              QStringList({"PART #qivo :", "ACTION Owner :parted channel: #qivo"}));
    type("Owner", "!join #third");
    QStringList parts = type("Owner", "!part all");
    parts.sort();  // in the order the table gives
    EXPECT_EQ(parts, QStringList({"ACTION Owner :parted all channels.",
                                  "PART #second :", "PART #third :"}));
    EXPECT_TRUE(brain.column("SELECT * FROM system_channels", "channel").isEmpty());
}

TEST_F(OwnerCommands, TheLoadTestInsertsItsRowsBetweenTurnsOfTheEventLoop) {
    EXPECT_EQ(type("Owner", "!overload interface 3"),
              QStringList({"PRIVMSG Owner :Warning! Overloading interface with 6 rows..",
                           "PRIVMSG Owner :Warning! Overload finished."}));
    EXPECT_TRUE(
        fakes.console.lines.contains("A.I. > Warning! Overloading interface with 6 rows.."));
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > Warning! Overload finished."));
    for (const char* table : {"interface_s", "interface_q"}) {
        const QStringList questions = brain.column(
            QStringLiteral("SELECT * FROM %1 WHERE owner = 'System'").arg(table), "question");
        ASSERT_EQ(questions.size(), 3) << table;
        EXPECT_EQ(questions[0].size(), 222);
    }
    EXPECT_EQ(brain.column("SELECT * FROM interface_s WHERE owner = 'System'", "answer")[0].size(),
              221);

    type("Owner", "!overload synonyms 450");
    EXPECT_TRUE(
        fakes.console.lines.contains("A.I. > Warning! Overloading synonyms and with 900 rows.."));
    EXPECT_FALSE(fakes.console.lines.contains("A.I. > Warning! Overload finished."));
    ASSERT_TRUE(waitUntil([&] { return fakes.irc.sent.size() == 2; }, 20000));
    EXPECT_EQ(fakes.irc.sent[1], "PRIVMSG Owner :Warning! Overload finished.");
    EXPECT_EQ(
        brain.column("SELECT * FROM words_correction WHERE owner = 'System'", "indefinite").size(),
        450);
    EXPECT_EQ(
        brain.db().open("SELECT * FROM words_relationship WHERE indefinite = 'SOME WORDS 450' "
                        "AND definite = 'SOME WORDS SYNONYM 450'"),
        1);

    for (const char* refused : {"!overload interface 50001", "!overload interface lots"}) {
        SCOPED_TRACE(refused);
        type("Owner", refused);
        EXPECT_TRUE(commandDone());
        EXPECT_EQ(fakes.irc.sent.size(), 1);
    }
    EXPECT_EQ(fakes.irc.sent,
              QStringList{"PRIVMSG Owner :The overload needs a whole number of rows."});
    EXPECT_EQ(brain.column("SELECT * FROM interface_s WHERE owner = 'System'", "question").size(),
              3);
}

}  // namespace
