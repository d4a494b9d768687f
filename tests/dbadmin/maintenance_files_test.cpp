#include "dbadmin/backup_files.h"
#include "dbadmin/dump_file.h"
#include "dbadmin/table_repair.h"
#include "dbadmin/tool_options.h"
#include "engine/text_files.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

TEST(BackupNames, QuickBackupsAreNamedByTheClockAndNeverOverwritten) {
    EXPECT_EQ(QuickBackupStem(QDateTime(QDate(2010, 3, 2), QTime(9, 5))), "TX3_20100302_0905");
    QTemporaryDir folder;
    EXPECT_EQ(FreeBackupName(folder.path(), "TX3_20100302_0905"), "TX3_20100302_0905.sql");
    WriteTextLines(folder.filePath("TX3_20100302_0905.sql"), {"taken"});
    WriteTextLines(folder.filePath("TX3_20100302_0905_2.sql"), {"taken"});
    EXPECT_EQ(FreeBackupName(folder.path(), "TX3_20100302_0905"), "TX3_20100302_0905_3.sql");
}

TEST(BackupNames, ARenameTakesANameNeverAPath) {
    const struct {
        QString answer;
        RenameOutcome outcome;
        QString newName;
    } cases[] = {
        {"my backup", RenameOutcome::Renamed, "my_backup.sql"},
        {"Latviešu-kopija.2", RenameOutcome::Renamed, "Latviešu-kopija.2.sql"},
        {QString(25, 'a'), RenameOutcome::Renamed, QString(25, 'a') + ".sql"},
        {QString(26, 'a'), RenameOutcome::WrongLength, {}},
        {"", RenameOutcome::WrongLength, {}},
        {"../x", RenameOutcome::NotAName, {}},
        {"a/b", RenameOutcome::NotAName, {}},
        {"$(reboot)", RenameOutcome::NotAName, {}},
        {"line\nbreak", RenameOutcome::NotAName, {}},
        {"tab\there", RenameOutcome::NotAName, {}},
        {".hidden", RenameOutcome::NotAName, {}},
        {"..", RenameOutcome::NotAName, {}},
        {"taken", RenameOutcome::Taken, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        QTemporaryDir home;
        const QString folder = home.filePath("backups");
        QDir().mkpath(folder);
        WriteTextLines(folder + "/old.sql", {"the backup"});
        WriteTextLines(folder + "/taken.sql", {"another backup"});
        const Rename rename = RenameBackup(folder, "old.sql", c.answer);
        EXPECT_EQ(rename.outcome, c.outcome);
        QStringList expected = {"old.sql", "taken.sql"};
        if (c.outcome == RenameOutcome::Renamed) {
            EXPECT_EQ(rename.newName, c.newName);
            expected = QStringList{c.newName, "taken.sql"};
            expected.sort();
        }
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        EXPECT_EQ(ReadTextLines(folder + "/taken.sql"), QStringList{"another backup"});
        EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"backups"})
            << "nothing outside the folder";
    }
}

TEST(BackupNames, EraseSaysWhatHappened) {
    QTemporaryDir folder;
    WriteTextLines(folder.filePath("a.sql"), {"backup"});
    EXPECT_EQ(EraseBackup(folder.path(), "a.sql"), EraseOutcome::Erased);
    EXPECT_FALSE(QFile::exists(folder.filePath("a.sql")));
    EXPECT_EQ(EraseBackup(folder.path(), "a.sql"), EraseOutcome::Missing);
    EXPECT_EQ(EraseBackup(folder.path(), "../a.sql"), EraseOutcome::Missing);
    QDir(folder.path()).mkdir("folder.sql");
    EXPECT_EQ(EraseBackup(folder.path(), "folder.sql"), EraseOutcome::Missing);
}

TEST(BackupNames, AFileThatCannotBeDeletedIsSaidSo) {
    if (::geteuid() == 0) GTEST_SKIP() << "root deletes from a read-only folder";
    QTemporaryDir folder;
    WriteTextLines(folder.filePath("locked.sql"), {"backup"});
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(EraseBackup(folder.path(), "locked.sql"), EraseOutcome::CouldNotDelete);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(BackupNames, TheListHoldsTheDumpsOnly) {
    QTemporaryDir folder;
    for (const char* name : {"b.sql", "A.sql", "REBUILD.SQL", ".TX3.sql.part", "notes.txt"})
        WriteTextLines(folder.filePath(name), {"x"});
    EXPECT_EQ(ListBackups(folder.path()), (QStringList{"A.sql", "REBUILD.SQL", "b.sql"}));
    EXPECT_EQ(ListBackups(folder.filePath("none")), QStringList{});
}

TEST(DumpFiles, OnlyAWholeDumpOfTablesPasses) {
    QTemporaryDir folder;
    const QByteArray whole =
        "-- MariaDB dump\nCREATE TABLE `t` (\n  `a` int\n);\nINSERT INTO `t` VALUES (1);\n"
        "-- Dump completed on 2026-12-09 12:00:00\n";
    const struct {
        const char* name;
        QByteArray bytes;
        QString fault;
    } cases[] = {
        {"whole", whole, ""},
        {"trailing blank lines", whole + "\n\n", ""},
        {"empty", "", "is empty"},
        {"cut", whole.left(whole.size() - 30), "is cut short"},
        {"no tables", "-- Dump completed on 2026-12-09 12:00:00\n", "holds no table definitions"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(folder.filePath(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const QString fault = DumpFault(file.fileName());
        EXPECT_TRUE(c.fault.isEmpty() ? fault.isEmpty() : fault.startsWith(c.fault))
            << fault.toStdString();
    }
    EXPECT_EQ(DumpFault(folder.filePath("missing")), "does not exist");
}

// What the check tool prints, as it printed it for damaged and sound tables.
TEST(CheckOutput, DamagedTablesAreThoseWithAnErrorOrABadStatus) {
    const QString output =
        "qivo.interface_q                                   OK\n"
        "qivo.interface_s\n"
        "warning  : Table is marked as crashed\n"
        "error    : Can't read indexpage from page: 1, error: 176\n"
        "Error    : Got error '176 \"Read page with wrong checksum\"' for "
        "'./qivo/interface_s.MAI'\n"
        "error    : Corrupt\n"
        "qivo.mmas\n"
        "warning  : Size of datafile is:     32768       Expected: 16384\n"
        "status   : OK\n"
        "qivo.users_online                                  Needs upgrade\n"
        "qivo.words_cs                                      OK\n";
    const CheckReport report = ReadCheckOutput(output, "qivo");
    EXPECT_EQ(report.checked, 5);
    EXPECT_EQ(report.damaged, (QStringList{"interface_s", "users_online"}));
    EXPECT_TRUE(report.lines.contains("interface_s: error: Corrupt"));
    EXPECT_TRUE(report.lines.contains(
        "mmas: warning: Size of datafile is:     32768       Expected: 16384"))
        << report.lines.join('\n').toStdString();
    EXPECT_TRUE(ReadCheckOutput("other.t  OK\n", "qivo").damaged.isEmpty());
}

// The tools read the password back exactly as the option file spells it.
TEST(ToolOptionFile, ValuesAreSpelledSoTheToolsReadThemBack) {
    const struct {
        QString value, spelled;
    } cases[] = {
        {"qtmvzk", "\"qtmvzk\""},
        {"p#w\"d x\\y ", "'p#w\"d\\sx\\\\y\\s'"},
        {" a'b#c ", "\"\\sa'b#c\\s\""},
        {"a'b\"c", "a'b\"c"},
        {"a'b\"#c", ""},
        {"'a\"b'", ""},
        {"", "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OptionFileValue(c.value), c.spelled) << c.value.toStdString();
}

}  // namespace
