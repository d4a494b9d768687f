#include "irc/nick_rename.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

// Users whose nicks hold one another: a rename must move one of them only.
const QStringList kNeighbours = {"Bob", "Bobby", "JimBob", "bob", "[Bob]"};

class NickRename : public EngineFixture {
  protected:
    NickRename() {
        Query& db = brain.db();
        for (const QString& nick : kNeighbours + QStringList{"TalvaneBOT"}) {
            const QString key = nick == "TalvaneBOT" ? nick : EncodeNick(nick);
            db.execute("INSERT INTO users_online (`user`, `channel`) VALUES (?, ?)", {key, "#c"});
            db.execute("INSERT INTO lastphrase_ai (user, phrase) VALUES (?, ?)",
                       {key, "ai to " + nick});
            db.execute(
                "INSERT INTO lastphrase_user (user, phrase, mmas_question, mmas_answer, "
                "original_question) VALUES (?, ?, '', '', '')",
                {key, "said by " + nick});
            db.execute(
                "INSERT INTO mmas (user, phrase, finished, original, channel) "
                "VALUES (?, ?, 'NO', '', ?)",
                {key, "answer to " + nick, key});
        }
    }
    // The `user` of the row of `table` whose `column` holds `value`.
    QString userOf(const QString& table, const QString& column, const QString& value) {
        Query& db = brain.db();
        if (db.open("SELECT user FROM " + table + " WHERE BINARY " + column + "=?", {value}) != 1)
            return "(" + QString::number(db.recordCount()) + " rows)";
        db.first();
        return db.field("user");
    }
};

TEST_F(NickRename, OnlyTheUserWhoChangedNickIsRenamedInEveryTable) {
    RenameUser(*engine, "Bob", "Rob");
    const struct {
        QString table, column;
    } tables[] = {{"lastphrase_ai", "phrase"}, {"lastphrase_user", "phrase"}, {"mmas", "phrase"}};
    for (const auto& t : tables) {
        SCOPED_TRACE(t.table.toStdString());
        const QString prefix = t.table == "lastphrase_ai"     ? "ai to "
                               : t.table == "lastphrase_user" ? "said by "
                                                              : "answer to ";
        EXPECT_EQ(userOf(t.table, t.column, prefix + "Bob"), "Rob");
        for (const QString& other : kNeighbours.mid(1))
            EXPECT_EQ(userOf(t.table, t.column, prefix + other), EncodeNick(other))
                << other.toStdString();
        EXPECT_EQ(userOf(t.table, t.column, prefix + "TalvaneBOT"), "TalvaneBOT");
    }
    // The answer under way now goes to the user under the new nick.
    EXPECT_EQ(userOf("mmas", "channel", "Rob"), "Rob");
    Query& db = brain.db();
    EXPECT_EQ(db.open("SELECT * FROM users_online WHERE BINARY user=?", {"Rob"}), 1);
    EXPECT_EQ(db.open("SELECT * FROM users_online WHERE BINARY user=?", {"Bob"}), 0);
    EXPECT_EQ(db.open("SELECT * FROM users_online"), kNeighbours.size() + 1);
}

// A nick that already has its row keeps it; the old row stays where it was.
TEST_F(NickRename, TheNewNicksOwnRowIsKept) {
    RenameUser(*engine, "Bob", "Bobby");
    EXPECT_EQ(userOf("lastphrase_ai", "phrase", "ai to Bob"), "Bob");
    EXPECT_EQ(userOf("lastphrase_ai", "phrase", "ai to Bobby"), "Bobby");
    EXPECT_EQ(userOf("lastphrase_user", "phrase", "said by Bobby"), "Bobby");
    EXPECT_EQ(userOf("mmas", "phrase", "answer to Bobby"), "Bobby");
    // One row a user and channel: the old one goes.
    Query& db = brain.db();
    EXPECT_EQ(db.open("SELECT * FROM users_online WHERE BINARY user=?", {"Bobby"}), 1);
    EXPECT_EQ(db.open("SELECT * FROM users_online WHERE BINARY user=?", {"Bob"}), 0);
}

TEST_F(NickRename, TheStoresFollowTheUserOnly) {
    Stores& stores = engine->state.stores;
    const QString bob = EncodeNick("[Bob]"), rob = EncodeNick("[Rob]");
    TInput privateInput, channelInput;
    privateInput.ReplyTarget = privateInput.UserNick = "[Bob]";
    channelInput.ReplyTarget = "#c";
    channelInput.UserNick = "[Bob]y";
    stores.InputStore = {privateInput, channelInput};
    stores.userVariables("[Bob]").lonelyTalkingCount = 4;
    stores.userVariables("Bobby").lonelyTalkingCount = 1;
    stores.TimerStore = {TLTimers{TargetKind::Private, "[Bob]", bob, "10:00:00"},
                         TLTimers{TargetKind::Channel, "#c", EncodeNick("Bobby"), "10:00:00"}};
    stores.MMASStore = {TMMAS{bob, "hi", "[Bob]", TargetKind::Private},
                        TMMAS{bob, "all", "#c", TargetKind::Channel}};
    TKeyEvents keyEvent;
    keyEvent.userKey = bob;
    stores.KeyEventsStore = {keyEvent};

    RenameUser(*engine, "[Bob]", "[Rob]");

    EXPECT_EQ(stores.InputStore[0].UserNick, "[Rob]");
    EXPECT_EQ(stores.InputStore[0].ReplyTarget, "[Rob]");
    EXPECT_EQ(stores.InputStore[1].UserNick, "[Bob]y");
    EXPECT_EQ(stores.userVariables("[Rob]").lonelyTalkingCount, 4);
    EXPECT_EQ(stores.userVariables("Bobby").lonelyTalkingCount, 1);
    EXPECT_EQ(stores.TimerStore[0].userKey, rob);
    EXPECT_EQ(stores.TimerStore[0].replyTarget, "[Rob]");
    EXPECT_EQ(stores.TimerStore[1].userKey, EncodeNick("Bobby"));
    EXPECT_EQ(stores.MMASStore[0].userKey, rob);
    EXPECT_EQ(stores.MMASStore[0].replyTarget, "[Rob]");
    EXPECT_EQ(stores.MMASStore[1].userKey, rob);
    EXPECT_EQ(stores.MMASStore[1].replyTarget, "#c");
    EXPECT_EQ(stores.KeyEventsStore[0].userKey, rob);
}

}  // namespace
