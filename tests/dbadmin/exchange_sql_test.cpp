#include "dbadmin/exchange_sql.h"
#include "dbadmin/exchange_items.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

QString Converted(const QByteArray& dump) {
    return QString::fromUtf8(ConvertDumpForExchange(dump));
}

QString Refusal(const QByteArray& sql) {
    try {
        ParseExchangeSql(sql);
        return {};
    } catch (const ExchangeSqlError& e) {
        return e.message();
    }
}

TEST(ExchangeSql, TheExportDropsIndexOnlyWhereTheTableHasOneAndKeepsEveryValueWhole) {
    const struct {
        QByteArray dump;
        QString written;
    } cases[] = {
        {"INSERT INTO `interface_q` (`index`, `question`, `owner`) VALUES (7,'GOOD','Ann');",
         "INSERT INTO `interface_q` (`question`, `owner`) VALUES ('GOOD','Ann');\n"},
        {"INSERT INTO `words_positive` (`positive`, `owner`) VALUES ('NICE, REALLY','Ann');",
         "INSERT INTO `words_positive` (`positive`, `owner`) VALUES ('NICE, REALLY','Ann');\n"},
        {"INSERT  IGNORE INTO `words_cs` (`word`) VALUES ('a\\'b,\\\\c \\\"q\\\" \\n ĀŽ 😀');",
         "INSERT IGNORE INTO `words_cs` (`word`) VALUES ('a\\'b,\\\\c \\\"q\\\" \\n ĀŽ 😀');\n"},
        {"INSERT INTO `interface_s` (`index`, `question`) VALUES (1,'x'),(2,'y');",
         "INSERT INTO `interface_s` (`question`) VALUES ('x'),('y');\n"},
        {"INSERT INTO `words_context` (`context_words`) VALUES ('QivoTxRowDltCmd');", "\n"},
        {"/*!40101 SET NAMES utf8mb4 */;\nLOCK TABLES `words_cs` WRITE;\nUNLOCK TABLES;",
         "/*!40101 SET NAMES utf8mb4 */;\nLOCK TABLES `words_cs` WRITE;\nUNLOCK TABLES;\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Converted(c.dump), c.written) << c.dump.toStdString();
}

TEST(ExchangeSql, ValuesAreReadWithTheirQuotesAndEscapes) {
    const QList<InsertLine> rows = ParseExchangeSql(
        "INSERT INTO `words_positive` (`positive`, `owner`, `date_learned`) VALUES "
        "('it''s \\'x\\' \\\\ \\0\\r\\n\\t\\Z \\% ĒŅ 😀',NULL,'2026.12.09');\n");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].rows[0][0].toString(),
              QString("it's 'x' \\ ") + QChar(0) + "\r\n\t" + QChar(0x1A) + " \\% ĒŅ 😀");
    EXPECT_TRUE(rows[0].rows[0][1].isNull());
}

TEST(ExchangeSql, TheDumpsOwnLinesAndRowsOfTheExportableTablesAreAccepted) {
    const QByteArray sql =
        "/*M!999999\\- enable the sandbox mode */ \n"
        "/*!40101 SET @OLD_CHARACTER_SET_CLIENT=@@CHARACTER_SET_CLIENT */;\r\n"
        "/*!40103 SET TIME_ZONE='+00:00' */;\n"
        "/*!40101 SET @OLD_SQL_MODE=@@SQL_MODE, SQL_MODE='NO_AUTO_VALUE_ON_ZERO' */;\n"
        "\n"
        "LOCK TABLES `system_messages` WRITE;\n"
        "/*!40000 ALTER TABLE `system_messages` DISABLE KEYS */;\n"
        "INSERT INTO `system_messages` (`index`, `event_name`, `event_description`, "
        "`event_message`) VALUES (12,'HELLO','d','Hi');\n"
        "insert ignore into words_css (words, owner) values ('A B', 'x');\n"
        "/*!40000 ALTER TABLE `system_messages` ENABLE KEYS */;\n"
        "UNLOCK TABLES;\n"
        "-- a comment\n";
    const QList<InsertLine> rows = ParseExchangeSql(sql);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].columns, (QStringList{"event_name", "event_description", "event_message"}));
    EXPECT_EQ(rows[0].rows[0], (QVariantList{"HELLO", "d", "Hi"}));
    EXPECT_TRUE(rows[1].ignore);
}

// Nothing of such a file is taken: it is refused whole, naming its line.
TEST(ExchangeSql, AnythingElseRefusesTheWholeFileNamingTheLine) {
    const QByteArray good = "INSERT INTO `words_positive` (`positive`) VALUES ('A');\n";
    const struct {
        QByteArray line;
        QString refusal;
    } cases[] = {
        {"DROP TABLE interface_q;",
         "Line 2 is neither a row nor a line of a dump: DROP TABLE interface_q;"},
        {"\\! rm -rf ~", "Line 2 is neither a row nor a line of a dump: \\! rm -rf ~"},
        {"source /etc/passwd", "Line 2 is neither a row nor a line of a dump: source /etc/passwd"},
        {"/*!40101 SET GLOBAL general_log=1 */;",
         "Line 2 is neither a row nor a line of a dump: /*!40101 SET GLOBAL general_log=1 */;"},
        {"LOCK TABLES `users_privileges` WRITE;",
         "Line 2 is neither a row nor a line of a dump: LOCK TABLES `users_privileges` WRITE;"},
        {"INSERT INTO `users_privileges` (`user`) VALUES ('me');",
         "Line 2: the table users_privileges is not one an exchange file may carry."},
        {"INSERT INTO `words_positive` (`secret`) VALUES ('A');",
         "Line 2: secret is no column of words_positive or is named twice."},
        {"INSERT INTO `words_positive` (`positive`, `positive`) VALUES ('A','B');",
         "Line 2: positive is no column of words_positive or is named twice."},
        {"INSERT INTO `words_positive` (`positive`) VALUES ('A'); DROP TABLE words_positive;",
         "Line 2: text after the statement."},
        {"INSERT INTO `words_positive` (`positive`) VALUES ('A', 'B');",
         "Line 2: the row's values do not match its columns."},
        {"INSERT INTO `words_positive` (`positive`) VALUES ('A);",
         "Line 2: a quoted value is not closed."},
        {"INSERT INTO `words_positive` (`positive`) VALUES (SLEEP(5));",
         "Line 2: a value expected."},
        {"INSERT INTO `words_positive` (`positive`) SELECT user FROM mysql.user;",
         "Line 2: VALUES expected."},
        {"INSERT INTO `interface_q` (`index`) VALUES (1);", "Line 2 names no column."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Refusal(good + c.line + '\n' + good), c.refusal) << c.line.toStdString();
}

TEST(ExchangeNames, TypedNamesAreCleanedIntoFileNames) {
    const struct {
        QString typed, name;
    } cases[] = {
        {"my brain: part 1", "my_brain__part_1"},
        {"abcdefghijklmnopqrstuvwxyz", ""},
        {"abcdefghijklmnopqrstuvwxy", "abcdefghijklmnopqrstuvwxy"},
        {"", ""},
        {"   ", ""},
        {"|", ""},
        {"../../etc/passwd", ".._.._etc_passwd"},
        {"a\nb", ""},
        {"Latviešu  valoda", "Latviešu_valoda"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanDataFileName(c.typed), c.name) << c.typed.toStdString();
}

TEST(ExchangeNames, TheAutomaticDescriptionNamesTheItemsWithoutATrailingComma) {
    EXPECT_EQ(AutomaticDescription({FindExchangeItem("positives"), FindExchangeItem("NEGATIVES")}),
              "Contains: \"positives, negatives\".");
    EXPECT_EQ(FindExchangeItem("Event System Msg.")->tables, QStringList{"system_messages"});
    EXPECT_EQ(FindExchangeItem("Case Sensitive Words")->tables,
              (QStringList{"words_cs", "words_css"}));
    EXPECT_EQ(FindExchangeItem("Nothing"), nullptr);
}

}  // namespace
