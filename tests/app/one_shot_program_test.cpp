#include "brain/db_config.h"
#include "brain/nick_encoding.h"
#include "engine/home_lock.h"
#include "engine/program_home.h"
#include "engine/text_files.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int code;
    QString out, err;
    // The last line on stdout: the first run of a home greets before it.
    QString said() const { return out.trimmed().split('\n').last(); }
};

// A home whose brain is a throwaway database of the test server, driven by the real program.
class OneShotProgram : public ::testing::Test {
  protected:
    OneShotProgram() {
        SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
        SaveDbConfig(DbConfigPath(home.path()), brain.config());
    }
    Outcome talvane(const QStringList& arguments) {
        QProcess program;
        program.setStandardInputFile(QProcess::nullDevice());
        program.start(TALVANE_PROGRAM, QStringList{"--home", home.path()} + arguments);
        EXPECT_TRUE(program.waitForFinished(120000)) << arguments.join(' ').toStdString();
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    void taught(const QString& question, const QString& date, const QString& time,
                const QString& teacher) {
        brain.db().execute(
            "INSERT INTO interface_q (question, answer, owner, date_learned, "
            "time_learned) VALUES (?, ?, ?, ?, ?)",
            {question, " A ", EncodeNick(teacher), date, time});
    }
    QStringList questions() {
        QStringList all;
        brain.db().open("SELECT question FROM interface_q ORDER BY question");
        for (; !brain.db().eof(); brain.db().next())
            all << brain.db().field("question");
        return all;
    }
    TestBrain brain;
    QTemporaryDir home;
};

// Back up, spoil, restore, repair and rebuild, each as its own run of the program.
TEST_F(OneShotProgram, MaintenanceRoundTripFromTheCommandLine) {
    taught("%ŠĶĒRSIS%😀%", "2010.01.01", "10:00:00", "anna");
    const QStringList before = questions();

    const Outcome backup = talvane({"--backup"});
    ASSERT_EQ(backup.code, 0) << backup.err.toStdString();
    EXPECT_TRUE(backup.out.contains("backuping database..\n")) << backup.out.toStdString();
    EXPECT_TRUE(backup.out.contains("Backup success.\n")) << backup.out.toStdString();
    const QStringList files = QDir(home.filePath("MySQL/backups")).entryList({"TX3_*.sql"});
    ASSERT_EQ(files.size(), 1);
    const Outcome list = talvane({"--list-backups"});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out, files.first() + "\n");

    brain.db().execute("DELETE FROM interface_q");
    const Outcome restore = talvane({"--restore", files.first()});
    ASSERT_EQ(restore.code, 0) << restore.err.toStdString();
    EXPECT_TRUE(restore.out.contains("Restore success.\n")) << restore.out.toStdString();
    EXPECT_EQ(questions(), before) << "letters and emoji come back byte for byte";

    const Outcome repair = talvane({"--repair"});
    EXPECT_EQ(repair.code, 0) << repair.err.toStdString();
    EXPECT_TRUE(repair.out.contains("Database checked and repaired.\n"))
        << repair.out.toStdString();
    const Outcome rebuild = talvane({"--rebuild"});
    EXPECT_EQ(rebuild.code, 0) << rebuild.err.toStdString();
    EXPECT_TRUE(rebuild.out.contains("Database index rebuild complete.\n"))
        << rebuild.out.toStdString();
    EXPECT_EQ(questions(), before);
}

// What cannot be done says why and leaves the brain as it was.
TEST_F(OneShotProgram, RefusalsAndFailuresHaveTheirExitCodes) {
    taught("%KEPT%", "2010.01.01", "10:00:00", "anna");
    struct Case {
        QStringList arguments;
        int code;
        const char* said;
    };
    const Case cases[] = {
        {{"--restore", "../Main/Options.ini"}, 2, "not a path"},
        {{"--restore", "missing.sql"}, 1, "Restore error!"},
        {{"--clear", "Question Responses"}, 2, "--yes"},
        {{"--clear", "No Such Area", "--yes"}, 2, "\"Question Responses\""},
        {{"--clear", "Question Responses", "--by-date", "2010.01.%", "--yes"}, 2, "--by-date"},
        {{"--by-nick", "anna"}, 2, "--clear"},
        {{"--backup", "--rebuild"}, 2, "one command"},
    };
    for (const Case& c : cases) {
        const Outcome run = talvane(c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments.join(' ').toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.said))
            << c.arguments.join(' ').toStdString() << run.err.toStdString();
    }
    EXPECT_EQ(questions(), QStringList{"%KEPT%"});

    HomeLock lock(home.path());
    ASSERT_EQ(lock.take(), HomeLock::Outcome::Taken);
    const Outcome held = talvane({"--backup"});
    EXPECT_EQ(held.code, 2);
    EXPECT_TRUE(
        held.err.contains(QStringLiteral("process %1 ").arg(QCoreApplication::applicationPid())))
        << held.err.toStdString();
}

// Rows on several dates by several teachers, cleared by each kind of criterion in turn.
TEST_F(OneShotProgram, ClearByDateByNickAndByTheSettings) {
    taught("%A1%", "2010.01.01", "00:00:10", "anna");
    taught("%A2%", "2010.01.01", "00:00:50", "[bob]");
    taught("%A3%", "2010.01.01", "00:01:00", "anna");
    taught("%A4%", "2011.02.03", "12:30:00", "[bob]");
    taught("%A5%", "2011.02.04", "12:30:00", "carl");
    taught("%A6%", "2012.05.05", "08:00:00", "anna");

    const Outcome minute =
        talvane({"--clear", "question responses", "--by-date", "2010.01.01.00.00", "--yes"});
    EXPECT_EQ(minute.code, 0) << minute.err.toStdString();
    EXPECT_EQ(minute.said(), "2 question(s) cleared!");
    EXPECT_EQ(questions(), (QStringList{"%A3%", "%A4%", "%A5%", "%A6%"}));

    const Outcome both = talvane({"--clear", "Question Responses", "--by-date", "2011.02.__.__.__",
                                  "--by-nick", "[bob]", "--yes"});
    EXPECT_EQ(both.said(), "1 question(s) cleared!") << both.err.toStdString();
    EXPECT_EQ(questions(), (QStringList{"%A3%", "%A5%", "%A6%"}));

    const Outcome none = talvane({"--clear", "Question Responses", "--by-nick", "dave", "--yes"});
    EXPECT_EQ(none.said(), "0 question(s) cleared!") << none.err.toStdString();

    // Without a criterion flag the settings decide: by teacher "anna" (lines 29 to 37).
    const QString settingsFile = home.filePath("Main/Options.ini");
    QStringList options = ReadTextLines(settingsFile);
    options[36 - 1] = "1";
    options[37 - 1] = "anna";
    WriteTextLines(settingsFile, options);
    const Outcome settings = talvane({"--clear", "Question Responses", "--yes"});
    EXPECT_EQ(settings.said(), "2 question(s) cleared!") << settings.err.toStdString();
    EXPECT_EQ(questions(), QStringList{"%A5%"});
}

}  // namespace
