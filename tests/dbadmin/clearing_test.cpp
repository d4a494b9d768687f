#include "dbadmin/clearing.h"

#include "brain/nick_encoding.h"
#include "support/fake_outside.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

namespace {

class Clearing : public ::testing::Test {
  protected:
    void taught(const QString& table, const QString& date, const QString& time,
                const QString& teacher) {
        db().execute("INSERT INTO " + table +
                         " (question, answer, owner, date_learned, time_learned) VALUES (?, ?, ?, "
                         "?, ?)",
                     {"%Q%", " A ", EncodeNick(teacher), date, time});
    }
    qint64 rows(const QString& table) {
        db().open("SELECT COUNT(*) AS n FROM " + table);
        return db().field("n").toLongLong();
    }
    QString clear(const char* caption, const ClearingCriteria& criteria) {
        const ClearingArea* area = FindClearingArea(caption);
        EXPECT_NE(area, nullptr) << caption;
        return ClearArea(db(), *area, criteria, "#talvane");
    }
    Query& db() { return brain.db(); }
    TestBrain brain;
};

ClearingCriteria ByDate(const char* year, const char* month, const char* day, const char* hour,
                        const char* minute) {
    return ClearingCriteria{true, false, year, month, day, hour, minute, {}};
}

// Rows on several dates and by several teachers; each case clears a fresh copy of them.
TEST_F(Clearing, EachCriterionDeletesExactlyTheRowsItNames) {
    struct Case {
        const char* name;
        ClearingCriteria criteria;
        const char* message;
        qint64 left;
    };
    ClearingCriteria both = ByDate("2010", "01", "01", "00", "00");
    both.byTeacher = true;
    both.teacher = "anna";
    const ClearingCriteria byNick{false, true, {}, {}, {}, {}, {}, "[bob]"};
    const Case cases[] = {
        {"date and minute", ByDate("2010", "01", "01", "00", "00"), "2 question(s) cleared!", 3},
        {"any month and minute", ByDate("2010", "__", "01", "00", "__"), "4 question(s) cleared!",
         1},
        {"any year", ByDate("____", "01", "01", "00", "00"), "3 question(s) cleared!", 2},
        {"nothing that day", ByDate("2009", "01", "01", "00", "00"), "0 question(s) cleared!", 5},
        {"teacher with brackets", byNick, "2 question(s) cleared!", 3},
        {"date and teacher", both, "1 question(s) cleared!", 4},
        {"neither: everything", ClearingCriteria{}, "All questions cleared!", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute("TRUNCATE TABLE interface_q");
        taught("interface_q", "2010.01.01", "00:00:10", "anna");
        taught("interface_q", "2010.01.01", "00:00:59", "[bob]");
        taught("interface_q", "2010.01.01", "00:01:00", "anna");
        taught("interface_q", "2010.02.01", "00:07:30", "[bob]");
        taught("interface_q", "2011.01.01", "00:00:00", "carl");
        EXPECT_EQ(clear("question responses", c.criteria), c.message);
        EXPECT_EQ(rows("interface_q"), c.left);
    }
}

TEST_F(Clearing, AreasOfSeveralTablesCountWhatWasReallyDeleted) {
    db().execute("INSERT INTO words_cs (word, owner) VALUES (' iPod ', ?), (' Mac ', 'carl')",
                 {EncodeNick("[bob]")});
    db().execute("INSERT INTO words_css (words, owner) VALUES (' New York ', ?)",
                 {EncodeNick("[bob]")});
    const ClearingCriteria byNick{false, true, {}, {}, {}, {}, {}, "[bob]"};
    EXPECT_EQ(clear("Case Sensitive Words", byNick), "2 defined case sensitive word(s) cleared!");
    EXPECT_EQ(rows("words_cs") + rows("words_css"), 1);

    // Bans record the nick as it was, the other tables in nick encoding.
    db().execute("INSERT INTO users_options (user, ease_teaching) VALUES (?, 'YES')",
                 {EncodeNick("[bob]")});
    db().execute("INSERT INTO users_banned (user, host, ban_type) VALUES ('[bob]', 'm', 'SPAM')");
    db().execute(
        "INSERT INTO users_banned (user, host, ban_type) VALUES ('it''s \"x\"', 'n', 'X')");
    EXPECT_EQ(clear("User / Moder. Settings", byNick),
              "2 entry(s) cleared from user / moderator personal settings!");
    EXPECT_EQ(rows("users_banned"), 1);
    const ClearingCriteria quoted{false, true, {}, {}, {}, {}, {}, "it's \"x\""};
    EXPECT_EQ(clear("User / Moder. Settings", quoted),
              "1 entry(s) cleared from user / moderator personal settings!");
}

TEST_F(Clearing, AreasWithoutDatesClearNothingByDateAndSomeAreasAlwaysClearWhole) {
    db().execute("INSERT INTO users_stats (user, teached_count) VALUES ('anna', '3')");
    EXPECT_EQ(clear("User Training Stats", ByDate("2010", "01", "01", "00", "00")),
              "0 user training stats entry(s) cleared!");
    EXPECT_EQ(rows("users_stats"), 1);

    db().execute("INSERT INTO system_channels (channel) VALUES ('#one'), ('#two')");
    EXPECT_EQ(clear("misc temporary data", ByDate("2010", "01", "01", "00", "00")),
              "All misc temporary data cleared!");
    db().open("SELECT channel FROM system_channels");
    EXPECT_EQ(db().recordCount(), 1);
    EXPECT_EQ(db().field("channel"), "#talvane");

    EXPECT_EQ(clear("Event System Msg.", ClearingCriteria{}), "All event system messages cleared!");
    EXPECT_EQ(rows("system_messages"), 0);
    EXPECT_EQ(FindClearingArea("no such area"), nullptr);
    EXPECT_EQ(ClearingAreas().size(), 18u);
}

TEST(ClearingKey, ThreeNumbersFromTenTo98AndOnlyTheExactKeyPasses) {
    ScriptedRandom random;
    random.next = {0, 9, 98};
    const QString key = NewClearingKey(random);
    EXPECT_EQ(key, "A10B10C98");
    random.next = {42, 57, 10};
    EXPECT_EQ(NewClearingKey(random), "A42B57C10");
    EXPECT_TRUE(ClearingKeyAccepted("A10B10C98", key, false));
    EXPECT_FALSE(ClearingKeyAccepted("a10b10c98", key, false));
    EXPECT_FALSE(ClearingKeyAccepted("", key, false));
    EXPECT_TRUE(ClearingKeyAccepted("", key, true));
}

}  // namespace
