#include "brain/drawn_row.h"
#include "brain/query.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// system_messages: long text columns, as in every table the cycle draws from.
class DrawnRow : public ::testing::Test {
  protected:
    DrawnRow() {
        for (const auto& [name, message] : {std::pair{"kept", "first"},
                                            {"kept", "second"},
                                            {"kept", "third"},
                                            {"other", "elsewhere"}})
            db.execute(
                "INSERT INTO system_messages (event_name, event_description, event_message) "
                "VALUES (?, ?, ?)",
                {name, QString("about %1").arg(message), message});
    }
    TestBrain brain;
    Query& db = brain.db();
};

TEST_F(DrawnRow, DrawsEveryFoundRowWholeAndNothingElse) {
    QSet<QString> drawn;
    for (int i = 0; i < 200 && drawn.size() < 3; ++i) {
        ASSERT_EQ(db.open(DrawnRowStatement("system_messages", "event_name=?"), {"kept"}), 1);
        EXPECT_EQ(db.field("event_name"), "kept");
        EXPECT_EQ(db.field("event_description"), "about " + db.field("event_message"));
        drawn << db.field("event_message");
    }
    EXPECT_EQ(drawn, (QSet<QString>{"first", "second", "third"}));
    EXPECT_EQ(db.open(DrawnRowStatement("system_messages", "event_name=?"), {"missing"}), 0);
}

TEST_F(DrawnRow, ARankingDrawsAmongItsLowestRowsOnly) {
    // "second" and "third" share the lowest rank; the ranking's parameters come first.
    const QString ranking = "IF(event_message=? OR event_message=?, 1, 2)";
    QSet<QString> drawn;
    for (int i = 0; i < 200 && drawn.size() < 2; ++i) {
        ASSERT_EQ(db.open(DrawnRowStatement("system_messages", "event_name=?", ranking),
                          {"second", "third", "kept"}),
                  1);
        EXPECT_EQ(db.field("draw_rank"), "1");
        drawn << db.field("event_message");
    }
    EXPECT_EQ(drawn, (QSet<QString>{"second", "third"}));
}

}  // namespace
