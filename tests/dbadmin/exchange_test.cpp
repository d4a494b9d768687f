#include "maintenance_fixture.h"

#include "brain/query.h"
#include "dbadmin/exchange_archive.h"
#include "dbadmin/exchange_files.h"
#include "dbadmin/exchange_jobs.h"
#include "hand_archive.h"

#include <QDir>
#include <QFile>

namespace {

const QString kPositives = "words_positive ORDER BY positive";
const QString kPositiveColumns = "positive, date_learned, time_learned, owner";
const QString kQuestions = "interface_q ORDER BY question";
const QString kQuestionColumns =
    "personality, daylight_time, category, question, answer, owner, date_learned, time_learned";

class Exchange : public MaintenanceTest {
  protected:
    void teach() {
        Query& db = brain.db();
        db.execute("INSERT INTO words_positive (positive, owner) VALUES (?, ?)",
                   {"NICE, REALLY", "Ann"});
        db.execute("INSERT INTO words_positive (positive, owner) VALUES (?, ?)",
                   {"ĀČĒĢĪĶĻŅŠŪŽ āčēģīķļņšūž 😀🎉 'single' \"double\" back\\slash\n%_", "Jānis"});
        db.execute("INSERT INTO words_positive (positive, owner) VALUES (?, ?)",
                   {kPlaceholder, "placeholder"});
        db.execute("INSERT INTO interface_q (question, answer, owner) VALUES (?, ?, ?)",
                   {"%LABDIEN%", "Sveiks, 'draugs' \\o/ 👋", "Owner"});
        db.execute("INSERT INTO words_negative (negative, owner) VALUES (?, ?)", {"BAD", "Ann"});
    }
    ExportRequest request(const QString& stem) {
        return {stem, {FindExchangeItem("Question Responses"), FindExchangeItem("Positives")}, {}};
    }
    QString exchange(const QString& home) const { return ExchangeFolder(home); }

    const QString kPlaceholder = "QIVOTXROWDLTCMD";
    TestBrain other;
    QTemporaryDir otherHome;
    MaintainedBrain otherBrain{other.db(), otherHome.path(), clock, nullptr};
};

QStringList Rows(Query& db, const QString& from, const QString& columns) {
    QStringList found;
    for (db.open("SELECT HEX(CONCAT_WS(0x1F, " + columns + ")) AS row FROM " + from); !db.eof();
         db.next())
        found << db.field("row");
    return found;
}

// Exported here, imported there: every byte of every row arrives, placeholder rows do not, and
// a second import adds the rows again.
TEST_F(Exchange, ExportedItemsImportIntoAnotherBrainByteForByte) {
    teach();
    const JobResult exported = ExportData(brain_, view, request("shared"));
    ASSERT_TRUE(exported.ok) << exported.detail.toStdString();
    EXPECT_EQ(exported.text, "Data export complete.");
    const QString file = exchange(home.path()) + "/shared.xpt";
    EXPECT_EQ(exported.detail, file);
    EXPECT_EQ(ListDataFiles(exchange(home.path())), QStringList{"shared.xpt"});
    EXPECT_EQ(ReadDescription(file), "Contains: \"question responses, positives\".");
    const QString sql = QString::fromUtf8(ReadRows(file));
    EXPECT_FALSE(sql.contains("`index`"));
    EXPECT_FALSE(sql.contains(kPlaceholder));
    EXPECT_FALSE(sql.contains("BAD")) << "negatives were not chosen";

    QStringList positives = Rows(brain.db(), kPositives + "", kPositiveColumns);
    positives.removeIf([&](const QString& row) {
        return QByteArray::fromHex(row.toLatin1()).startsWith(kPlaceholder.toLatin1());
    });
    const QStringList questions = Rows(brain.db(), kQuestions, kQuestionColumns);
    ASSERT_EQ(positives.size(), 2);

    const QStringList before = Rows(other.db(), kPositives, kPositiveColumns);
    ASSERT_TRUE(QFile::copy(file, otherHome.filePath("shared.xpt")));
    const JobResult imported = ImportData(otherBrain, view, otherHome.filePath("shared.xpt"));
    ASSERT_TRUE(imported.ok) << imported.detail.toStdString();
    EXPECT_EQ(imported.text, "Data import complete.");
    QStringList expected = before + positives;
    expected.sort();
    QStringList got = Rows(other.db(), kPositives, kPositiveColumns);
    got.sort();
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(Rows(other.db(), kQuestions, kQuestionColumns).contains(questions.first()));

    ASSERT_TRUE(ImportData(otherBrain, view, otherHome.filePath("shared.xpt")).ok);
    got = Rows(other.db(), kPositives, kPositiveColumns);
    EXPECT_EQ(got.size(), before.size() + 2 * positives.size()) << "a second import adds again";
}

TEST_F(Exchange, PlaceholderRowsOfAFileAreRemovedAfterTheImport) {
    const QByteArray sql =
        "INSERT INTO `words_positive` (`positive`, `owner`) VALUES ('QIVOTXROWDLTCMD','x');\n"
        "INSERT INTO `interface_s` (`question`, `answer`) VALUES "
        "('QIVOTXROWDLTCMD','QIVOTXROWDLTCMD'),('%KEEP%','kept');\n"
        "INSERT INTO `words_relationship` (`indefinite`, `definite`) VALUES "
        "('QIVOTXROWDLTCMD','QIVOTXROWDLTCMD');\n";
    QDir().mkpath(exchange(home.path()));
    const QString path = exchange(home.path()) + "/hand.xpt";
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(BuildArchive({{"hand.sql", sql}, {"hand.txt", "by hand", 1}}));
    out.close();
    const JobResult imported = ImportData(brain_, view, path);
    ASSERT_TRUE(imported.ok) << imported.detail.toStdString();
    Query& db = brain.db();
    const struct {
        QString table, columns;
    } tables[] = {{"words_positive", "positive"},
                  {"interface_s", "question, answer"},
                  {"words_relationship", "indefinite, definite"}};
    for (const auto& t : tables) {
        db.open("SELECT COUNT(*) AS n FROM " + t.table + " WHERE CONCAT_WS('', " + t.columns +
                    ") LIKE ?",
                {"%QIVOTXROWDLTCMD%"});
        EXPECT_EQ(db.field("n"), "0") << t.table.toStdString();
    }
    db.open("SELECT COUNT(*) AS n FROM interface_s WHERE question = ?", {"%KEEP%"});
    EXPECT_EQ(db.field("n"), "1");
    EXPECT_EQ(view.statuses, (QStringList{"importing data..", "removing duplicates..",
                                          "removing temporary files..", "checking database.."}));
}

// A refused file or a row the server refuses leaves the brain exactly as it was.
TEST_F(Exchange, AFailedImportLeavesTheBrainAsItWas) {
    teach();
    const QString before = checksum("words_positive") + checksum("interface_q");
    const struct {
        const char* what;
        QByteArray archive;
        QString detail;
    } cases[] = {
        {"a client command",
         BuildArchive({{"bad.sql",
                        "INSERT INTO `words_positive` (`positive`) VALUES ('A');\n"
                        "\\! touch /tmp/talvane_owned\n"}}),
         "bad.xpt: Line 2 is neither a row nor a line of a dump: \\! touch /tmp/talvane_owned "
         "Nothing was imported."},
        {"a dropped table", BuildArchive({{"bad.sql", "DROP TABLE interface_q;\n"}}),
         "bad.xpt: Line 1 is neither a row nor a line of a dump: DROP TABLE interface_q; "
         "Nothing was imported."},
        {"a damaged archive", BuildArchive({{"bad.sql", "x"}}).left(30),
         "bad.xpt: The archive appears to be corrupted. Nothing was imported."},
        {"no rows member", BuildArchive({{"other.txt", "x"}}),
         "bad.xpt: bad.sql not found in archive. Nothing was imported."},
    };
    QDir().mkpath(exchange(home.path()));
    const QString path = exchange(home.path()) + "/bad.xpt";
    for (const auto& c : cases) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(c.archive);
        out.close();
        const JobResult imported = ImportData(brain_, view, path);
        EXPECT_FALSE(imported.ok) << c.what;
        EXPECT_EQ(imported.text, "Import error!") << c.what;
        EXPECT_EQ(imported.detail, c.detail) << c.what;
    }
    EXPECT_FALSE(QFile::exists("/tmp/talvane_owned"));
    EXPECT_EQ(checksum("words_positive") + checksum("interface_q"), before);

    // The first rows go in before the server refuses a later one; they leave again.
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(
        BuildArchive({{"bad.sql",
                       "INSERT INTO `words_positive` (`positive`) VALUES ('NEW');\n"
                       "INSERT INTO `interface_q` (`question`, `answer`) VALUES ('Q', NULL);\n"}}));
    out.close();
    const JobResult imported = ImportData(brain_, view, path);
    EXPECT_FALSE(imported.ok);
    EXPECT_TRUE(imported.detail.contains("it is as it was before"))
        << imported.detail.toStdString();
    EXPECT_EQ(checksum("words_positive") + checksum("interface_q"), before);
}

TEST_F(Exchange, RenameAndNewDescriptionsKeepTheRowsAndEraseRemoves) {
    teach();
    ASSERT_TRUE(ExportData(brain_, view, request("first")).ok);
    const QString folder = exchange(home.path());
    const QByteArray rows = ReadRows(folder + "/first.xpt");
    ModifyDescription(folder, "first.xpt", "Mani vārdi\nline two");
    EXPECT_EQ(ReadDescription(folder + "/first.xpt"), "Mani vārdi\nline two");
    EXPECT_EQ(ReadRows(folder + "/first.xpt"), rows);
    // A dropped file keeps the case of its ".XPT" and stays one data file.
    ASSERT_TRUE(QFile::rename(folder + "/first.xpt", folder + "/first.XPT"));
    ModifyDescription(folder, "first.XPT", "upper case");
    EXPECT_EQ(ListDataFiles(folder), QStringList{"first.XPT"});
    EXPECT_EQ(ReadDescription(folder + "/first.XPT"), "upper case");
    ASSERT_TRUE(QFile::rename(folder + "/first.XPT", folder + "/first.xpt"));
    EXPECT_EQ(RenameDataFile(folder, "first.xpt", "my brain: part 1"), "my_brain__part_1.xpt");
    EXPECT_EQ(ListDataFiles(folder), QStringList{"my_brain__part_1.xpt"});
    const ArchiveReader renamed(folder + "/my_brain__part_1.xpt");
    EXPECT_EQ(renamed.names(), (QStringList{"my_brain__part_1.sql", "my_brain__part_1.txt"}));
    EXPECT_EQ(renamed.read("my_brain__part_1.sql"), rows);
    EXPECT_EQ(RenameDataFile(folder, "my_brain__part_1.xpt", "_"), QString());
    EXPECT_EQ(RenameDataFile(folder, "my_brain__part_1.xpt", std::string(26, 'x').c_str()),
              QString());
    EXPECT_THROW(EraseDataFile(folder, "../first.xpt"), ArchiveError);
    EraseDataFile(folder, "my_brain__part_1.xpt");
    EXPECT_EQ(ListDataFiles(folder), QStringList());
    try {
        EraseDataFile(folder, "my_brain__part_1.xpt");
        FAIL();
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.message(), "File does not exist!");
    }
}

// A drop that cannot be copied whole leaves the data file of that name as it was.
TEST(ExchangeDrop, AFailedCopyKeepsTheDataFileItWouldReplace) {
    QTemporaryDir folder, elsewhere;
    QFile old(folder.filePath("brain.xpt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old data file");
    old.close();
    // A folder of that name cannot be read as a file.
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir("brain.xpt"));
    EXPECT_THROW(AcceptDroppedFile(folder.path(), elsewhere.filePath("brain.xpt")), ArchiveError);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old data file");
}

}  // namespace
