#include "brain/query.h"
#include "brain/tables.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

namespace {

class QueryObject : public ::testing::Test {
  protected:
    TestBrain brain;
    Query& db = brain.db();
};

TEST_F(QueryObject, TheShippedBrainHasItsTwentySevenTables) {
    ASSERT_EQ(BrainTables().size(), 27);
    for (const QString& table : BrainTables())
        EXPECT_NO_THROW(db.open("SELECT COUNT(*) as result FROM " + table)) << table.toStdString();
    db.open("SELECT COUNT(*) as result FROM information_schema.tables WHERE table_schema = ?",
            {brain.config().database});
    EXPECT_EQ(db.field("result"), "27");
    db.open(
        "SELECT COUNT(*) as result FROM information_schema.tables WHERE table_schema = ? "
        "AND engine <> 'Aria'",
        {brain.config().database});
    EXPECT_EQ(db.field("result"), "0");
}

TEST_F(QueryObject, ValuesPassThroughUnchanged) {
    const QStringList values = {
        "it's \"quoted\"",
        "back\\slash \\n",
        "100% _under_ %",
        "ĀČĒĢĪĶĻŅŠŪŽ āčēģīķļņšūž",
        "'); DROP TABLE interface_s; --",
        "emoji 😀",
        QString(10000, QChar(0x0161)),
    };
    for (const QString& value : values) {
        db.execute(
            "INSERT INTO unsolved_data (`user`, phrase, date_said, time_said) "
            "VALUES (?, ?, ?, ?)",
            {"tester", value, "2026.12.09", "12:00:00"});
        ASSERT_EQ(db.open("SELECT * FROM unsolved_data WHERE phrase = ? LIMIT 1", {value}), 1);
        EXPECT_EQ(db.field("phrase"), value);
        EXPECT_EQ(db.field("PHRASE"), value) << "columns are found by name in any case";
    }
    db.open("SELECT COUNT(*) as result FROM interface_s");
    EXPECT_EQ(db.field("result"), "0");
}

TEST_F(QueryObject, RowsAreWalkedAndCounted) {
    for (const char* channel : {"#a", "#b", "#c"})
        EXPECT_EQ(db.execute("INSERT INTO system_channels (channel) VALUES (?)", {channel}), 1);
    EXPECT_EQ(db.open("SELECT channel FROM system_channels ORDER BY channel"), 3);
    QStringList seen;
    for (db.first(); !db.eof(); db.next())
        seen << db.field("channel");
    EXPECT_EQ(seen, (QStringList{"#a", "#b", "#c"}));
    EXPECT_EQ(db.field("channel"), "") << "past the end reads empty";
    EXPECT_EQ(db.execute("DELETE FROM system_channels WHERE channel <> ?", {"#b"}), 2);
    EXPECT_EQ(db.open("SELECT * FROM system_channels WHERE channel = ? LIMIT ?", {"#zz", 1}), 0);
    EXPECT_TRUE(db.eof());
}

TEST_F(QueryObject, ReplaceRewritesTheWholeRowByIndex) {
    db.execute("INSERT INTO users_stats (`user`, teached_count, erased_count) VALUES (?, ?, ?)",
               {"anna", "3", "1"});
    const qint64 index = db.lastInsertId();
    db.execute("REPLACE INTO users_stats (`index`, `user`, teached_count) VALUES (?, ?, ?)",
               {index, "anna", "4"});
    db.open("SELECT * FROM users_stats WHERE `index` = ?", {index});
    EXPECT_EQ(db.field("teached_count"), "4");
    EXPECT_EQ(db.field("erased_count"), "0") << "a REPLACE that omits a column resets it";
}

TEST_F(QueryObject, AFailedStatementCarriesTheServersCodeAndMessage) {
    try {
        db.execute("INSERT INTO no_such_table VALUES (?)", {"x"});
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_EQ(e.code(), 1146u);
        EXPECT_TRUE(e.message().contains("no_such_table"));
    }
    EXPECT_NO_THROW(db.open("SELECT * FROM system_channels LIMIT 1")) << "the object goes on";
}

TEST_F(QueryObject, ARejectedRegularExpressionIsNoMatch) {
    db.execute(
        "INSERT INTO words_correction (indefinite, definite, date_learned, time_learned, "
        "owner) VALUES (?, ?, ?, ?, ?)",
        {"(UNCLOSED", "X", "2026.12.09", "12:00:00", "anna"});
    EXPECT_EQ(db.open("SELECT * FROM words_correction WHERE ? RLIKE indefinite", {"TEXT"}), 0);
    EXPECT_EQ(db.open("SELECT * FROM words_correction WHERE indefinite RLIKE ?", {"[a-"}), 0);
    EXPECT_EQ(db.open("SELECT * FROM words_correction WHERE indefinite RLIKE ?", {"UNCL"}), 1);
}

TEST_F(QueryObject, LostConnectionIsReopened) {
    db.open("SELECT CONNECTION_ID() as id");
    const QString first = db.field("id");
    Query admin(TestServerConfig());
    admin.execute("KILL " + first);
    EXPECT_EQ(db.open("SELECT CONNECTION_ID() as id"), 1);
    EXPECT_NE(db.field("id"), first);
}

// The cycle tells a server that went away from a statement the server refused.
TEST(QueryConnection, AnUnreachableServerIsALostConnection) {
    DbConfig config = TestServerConfig();
    config.port = 1;
    Query db(config);
    EXPECT_THROW(db.open("SELECT 1 as one"), DbConnectionLost);
    try {
        Query reachable(TestServerConfig());
        reachable.open("SELECT * FROM no_such_table");
        FAIL() << "the statement was refused";
    } catch (const DbConnectionLost&) {
        FAIL() << "a refused statement is no lost connection";
    } catch (const DbError& e) {
        EXPECT_EQ(e.code(), 1046u);
    }
}

}  // namespace
