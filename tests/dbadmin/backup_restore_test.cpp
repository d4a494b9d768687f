#include "maintenance_fixture.h"

#include "brain/query.h"
#include "dbadmin/brain_dump.h"
#include "dbadmin/tool_error.h"
#include "engine/text_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

const QString kQuestions = "interface_q ORDER BY `index`";
const QString kQuestionColumns = "`index`, question, answer, owner";

class BackupRestore : public MaintenanceTest {
  protected:
    void teach(const QString& question, const QString& answer) {
        brain.db().execute("INSERT INTO interface_q (question, answer, owner) VALUES (?, ?, ?)",
                           {question, answer, "Owner"});
    }
    QByteArray read(const QString& name) {
        QFile file(folder() + '/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(folder());
        QFile file(folder() + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

// Latvian letters, emoji and the characters a dump has to escape come back byte for byte.
TEST_F(BackupRestore, ARestoreGivesBackTheRowsOfTheBackupByteForByte) {
    teach("%ĀČĒĢĪĶĻŅŠŪŽ%āčēģīķļņšūž%", "Labdien! 😀🎉 ḁ \"quoted\" 'single' back\\slash\ttab");
    teach("%HELLO%", "line one#line two");
    const QStringList before = rows(kQuestions, kQuestionColumns);

    const JobResult backup = QuickBackup(brain_, view);
    ASSERT_TRUE(backup.ok) << backup.detail.toStdString();
    EXPECT_EQ(backup.text, "Backup success.");
    EXPECT_EQ(backups(), QStringList{"TX3_20261209_1200.sql"});
    EXPECT_EQ(backup.detail, folder() + "/TX3_20261209_1200.sql");
    EXPECT_TRUE(read("TX3_20261209_1200.sql").contains("SET NAMES utf8mb4"));
    EXPECT_EQ(QFile::permissions(folder() + "/TX3_20261209_1200.sql") & 0x0077, 0)
        << "backups are the owner's alone";

    brain.db().execute("UPDATE interface_q SET answer = ?", {"changed"});
    teach("%AFTER%", "taught after the backup");
    clock.at = clock.at.addSecs(60);
    const JobResult restored = restore("TX3_20261209_1200.sql");
    ASSERT_TRUE(restored.ok) << restored.detail.toStdString();
    EXPECT_EQ(restored.text, "Restore success.");
    EXPECT_EQ(rows(kQuestions, kQuestionColumns), before);
    EXPECT_TRUE(backups().contains("BEFORE_RESTORE_20261209_1201.sql"))
        << "the brain as it was is kept: " << backups().join(' ').toStdString();
    EXPECT_EQ(view.statuses,
              (QStringList{"checking database..", "backuping database..", "restoring database..",
                           "backuping database..", "restoring database..", "checking database.."}));
}

// Nothing is dropped before the file is known to be a whole dump of tables.
TEST_F(BackupRestore, AFileThatIsNoWholeDumpIsRefusedAndTheBrainStaysAsItWas) {
    teach("%KEEP%", "kept");
    ASSERT_TRUE(backup().ok);
    const QByteArray whole = read("TX3_20261209_1200.sql");
    write("cut.sql", whole.left(whole.size() / 2));
    write("empty.sql", {});
    write("comments.sql", "-- nothing but talk\n-- Dump completed on 2026-12-09\n");
    write("no_dump.txt", whole);
    const struct {
        QString name, reason;
    } cases[] = {
        {"cut.sql", "is cut short"},          {"empty.sql", "is empty"},
        {"gone.sql", "does not exist"},       {"comments.sql", "holds no table definitions"},
        {"../home/x.sql", "is no file name"},
    };
    const QString before = checksum("interface_q");
    const QStringList files = backups();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const JobResult result = restore(c.name);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.text, "Restore error!");
        EXPECT_TRUE(result.detail.contains(c.reason) &&
                    result.detail.contains("The database was not changed."))
            << result.detail.toStdString();
        EXPECT_EQ(checksum("interface_q"), before);
        EXPECT_EQ(backups(), files) << "no safety backup for a restore that never started";
    }
    EXPECT_EQ(others.holds, others.releases) << "the others get the brain back, error or not";
    EXPECT_FALSE(others.held);
}

// The client stops at the first statement that fails; the tables before it were already
// replaced, and the safety backup puts them back.
TEST_F(BackupRestore, ARestoreThatFailsHalfwayIsRolledBack) {
    teach("%OLD%", "in the backup");
    ASSERT_TRUE(backup().ok);
    QByteArray dump = read("TX3_20261209_1200.sql");
    const qsizetype second = dump.indexOf("CREATE TABLE", dump.indexOf("CREATE TABLE") + 1);
    ASSERT_GT(second, 0);
    dump.insert(second, "INSERT INTO `no_such_table` VALUES (1);\n");
    write("broken.sql", dump);
    teach("%NEW%", "taught after the backup");
    const QStringList before = rows(kQuestions, kQuestionColumns);

    const JobResult result = restore("broken.sql");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.text, "Restore error!");
    EXPECT_TRUE(result.detail.contains("no_such_table")) << "the client's own message";
    EXPECT_TRUE(result.detail.contains("loaded back")) << result.detail.toStdString();
    EXPECT_EQ(rows(kQuestions, kQuestionColumns), before) << "the row taught after the backup";
}

// A file's client commands would reach the machine: the client's sandbox refuses them.
TEST_F(BackupRestore, AClientCommandInABackupIsRefused) {
    ASSERT_TRUE(backup().ok);
    const QString witness = home.filePath("ran");
    QByteArray dump = read("TX3_20261209_1200.sql");
    dump.insert(dump.indexOf("CREATE TABLE"), "\\! touch " + witness.toUtf8() + "\n");
    write("hostile.sql", dump);
    const JobResult result = restore("hostile.sql");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.detail.contains("sandbox")) << result.detail.toStdString();
    EXPECT_FALSE(QFile::exists(witness));
}

TEST_F(BackupRestore, QuickBackupsInOneMinuteGetNumberedNames) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(backup().ok);
    EXPECT_EQ(backups(), (QStringList{"TX3_20261209_1200.sql", "TX3_20261209_1200_2.sql",
                                      "TX3_20261209_1200_3.sql"}));
}

TEST_F(BackupRestore, AFailingDumpIsABackupErrorAndLeavesNoFile) {
    DbConfig wrong = brain.config();
    wrong.password = "not the password";
    try {
        DumpBrain(wrong, folder(), "TX3_20261209_1200");
        ADD_FAILURE() << "the dump succeeded";
    } catch (const ToolError& e) {
        EXPECT_TRUE(e.message().contains("Access denied")) << e.message().toStdString();
    }
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{});

    Query db(wrong);
    MaintainedBrain locked{db, home.path(), clock, &others};
    const JobResult result = QuickBackup(locked, view);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.text, "Backup error!");
    EXPECT_TRUE(result.detail.contains("Access denied")) << result.detail.toStdString();
    EXPECT_EQ(backups(), QStringList{});
}

// The password reaches the tools through the option file, whatever it holds.
TEST_F(BackupRestore, APasswordOfAnyCharactersReachesTheTools) {
    Query admin(TestServerConfig());
    const QString user = QStringLiteral("talvane_pw_%1").arg(QCoreApplication::applicationPid());
    DbConfig config = brain.config();
    config.user = user;
    config.password = " p#w\"d x\\y ē ";
    admin.execute("SET @user = ?, @password = ?, @host = ?", {user, config.password, "127.0.0.1"});
    admin.executeUnprepared(
        "EXECUTE IMMEDIATE CONCAT('CREATE USER ', QUOTE(@user), '@', QUOTE(@host), "
        "' IDENTIFIED BY ', QUOTE(@password))");
    admin.executeUnprepared("EXECUTE IMMEDIATE CONCAT('GRANT ALL ON `" + brain.config().database +
                            "`.* TO ', QUOTE(@user), '@', QUOTE(@host))");
    EXPECT_NO_THROW(DumpBrain(config, folder(), "odd_password"));
    admin.executeUnprepared(
        "EXECUTE IMMEDIATE CONCAT('DROP USER ', QUOTE(@user), '@', QUOTE(@host))");
    EXPECT_EQ(backups(), QStringList{"odd_password.sql"});
}

// The query object connects anew after a job: the lookup's copies and the table states it
// kept are read again from the brain the job left.
TEST_F(BackupRestore, TheQueryObjectConnectsAnewAfterAJob) {
    Query& db = brain.db();
    db.open("SELECT CONNECTION_ID() AS id");
    const QString before = db.field("id");
    ASSERT_TRUE(backup().ok);
    db.open("SELECT CONNECTION_ID() AS id");
    EXPECT_NE(db.field("id"), before);
    EXPECT_EQ(others.holds, 1);
    EXPECT_EQ(others.releases, 1);
    EXPECT_FALSE(view.shownUnheld) << "every step ran while the others held off";
}

}  // namespace
