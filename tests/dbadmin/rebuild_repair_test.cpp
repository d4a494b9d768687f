#include "maintenance_fixture.h"

#include "brain/query.h"

#include <QFile>

namespace {

using RebuildRepair = MaintenanceTest;

// Rows keep their contents and their order; only `index` changes, and only where it is the first
// column: the word lists and the channels keep their first values, however they read.
TEST_F(RebuildRepair, RebuildNumbersEveryIndexTableFromOneAndLeavesTheOthersAlone) {
    Query& db = brain.db();
    db.execute("SET SESSION sql_mode = ?", {"NO_AUTO_VALUE_ON_ZERO"});
    const struct {
        QString table;
        QList<int> before, after;
    } cases[] = {
        {"interface_s", {5, 9, 12}, {1, 2, 3}},
        {"unsolved_data", {0, 7}, {1, 2}},
    };
    for (const auto& c : cases)
        for (const int index : c.before)
            db.execute("INSERT INTO " + c.table + " (`index`, " +
                           (c.table == "interface_s" ? "question, answer" : "phrase, user") +
                           ") VALUES (?, ?, ?)",
                       {index, QStringLiteral("row %1 ĀŠ").arg(index), "GOOD"});
    db.execute("INSERT INTO words_positive (positive, owner) VALUES (?, ?)", {"GOOD", "Owner"});
    db.execute("INSERT INTO system_channels (channel) VALUES (?)", {"#talvane"});
    const QStringList untouched = {"words_positive", "system_channels", "system_commands"};
    QStringList checksums;
    for (const QString& table : untouched)
        checksums << checksum(table);
    const QStringList interface = rows("interface_s ORDER BY `index`", "question, answer");

    const JobResult result = rebuild();
    ASSERT_TRUE(result.ok) << result.detail.toStdString();
    EXPECT_EQ(result.text, "Database index rebuild complete.");
    for (const auto& c : cases) {
        QList<int> numbers;
        for (db.open("SELECT `index` FROM " + c.table + " ORDER BY `index`"); !db.eof(); db.next())
            numbers << db.field("index").toInt();
        EXPECT_EQ(numbers, c.after) << c.table.toStdString();
    }
    EXPECT_EQ(rows("interface_s ORDER BY `index`", "question, answer"), interface);
    for (qsizetype i = 0; i < untouched.size(); ++i)
        EXPECT_EQ(checksum(untouched[i]), checksums[i]) << untouched[i].toStdString();
    db.execute("INSERT INTO interface_s (question, answer) VALUES (?, ?)", {"%NEXT%", "next"});
    EXPECT_EQ(db.lastInsertId(), 4) << "the next row taught follows the last";
    EXPECT_TRUE(backups().contains("BEFORE_REBUILD_20261209_1200.sql"));
    EXPECT_TRUE(view.reports.contains("Renumbered interface_s: 3 rows."))
        << view.reports.join('\n').toStdString();
    EXPECT_EQ(view.statuses, (QStringList{"checking database..", "exporting database..",
                                          "rebuilding indexes..", "checking database.."}));
}

// Damages a table's index file the way a crash can, under the running server.
void DamageIndexFile(Query& db, const QString& database, const QString& table) {
    db.execute("FLUSH TABLES " + table);
    db.open("SELECT @@datadir AS folder");
    QFile index(db.field("folder") + '/' + database + '/' + table + ".MAI");
    ASSERT_TRUE(index.open(QIODevice::ReadWrite)) << index.fileName().toStdString();
    ASSERT_GT(index.size(), 8192);
    index.seek(8192);
    index.write(QByteArray(512, '\xff'));
}

TEST_F(RebuildRepair, RepairChecksFirstAndRepairsOnlyTheDamagedTableAfterABackup) {
    Query& db = brain.db();
    for (int i = 0; i < 50; ++i)
        db.execute("INSERT INTO interface_q (question, answer) VALUES (?, ?)",
                   {QStringLiteral("%Q%1%").arg(i), "A"});
    const QStringList before = rows("interface_q ORDER BY `index`", "`index`, question, answer");
    DamageIndexFile(db, brain.config().database, "interface_q");

    const JobResult repaired = repair();
    ASSERT_TRUE(repaired.ok) << repaired.detail.toStdString();
    EXPECT_EQ(repaired.text, "Database checked and repaired.");
    EXPECT_TRUE(view.reports.contains("Damaged: interface_q."))
        << view.reports.join('\n').toStdString();
    EXPECT_TRUE(view.reports.contains("Repaired: interface_q."));
    EXPECT_EQ(backups(), QStringList{"BEFORE_REPAIR_20261209_1200.sql"});
    EXPECT_EQ(rows("interface_q ORDER BY `index`", "`index`, question, answer"), before);

    view.reports.clear();
    clock.at = clock.at.addSecs(60);
    ASSERT_TRUE(repair().ok);
    EXPECT_TRUE(view.reports.last().startsWith("All 27 tables are sound"))
        << view.reports.join('\n').toStdString();
    EXPECT_EQ(backups().size(), 1) << "nothing to repair, nothing to back up first";
}

}  // namespace
