#include "dbadmin/exchange_archive.h"
#include "engine/program_home.h"
#include "engine/text_files.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

// The program's one-shot commands on a home whose brain is a throwaway database.
class ExchangeCommands : public ::testing::Test {
  protected:
    ExchangeCommands() {
        SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
        const DbConfig& config = brain.config();
        WriteTextLines(home.filePath("Main/Database.ini"),
                       {"[database]", "host=" + config.host, "port=" + QString::number(config.port),
                        "user=" + config.user, "password=" + config.password,
                        "name=" + config.database, "managed=false"});
    }
    Outcome run(const QStringList& arguments) {
        QProcess program;
        program.setStandardInputFile(QProcess::nullDevice());
        program.start(TALVANE_PROGRAM, QStringList{"--home", home.path()} + arguments);
        EXPECT_TRUE(program.waitForFinished(120000));
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }
    qint64 count(const QString& table) {
        brain.db().open("SELECT COUNT(*) AS n FROM " + table);
        return brain.db().field("n").toLongLong();
    }
    TestBrain brain;
    QTemporaryDir home;
};

TEST_F(ExchangeCommands, ExportListAndImportFromTheCommandLine) {
    brain.db().execute("INSERT INTO words_positive (positive, owner) VALUES (?, ?)",
                       {"LABI, ĻOTI 😀", "Ann"});
    brain.db().execute("INSERT INTO words_negative (negative, owner) VALUES (?, ?)",
                       {"SLIKTI", "Ann"});
    const Outcome exported = run({"--export", "my brain", "--items", "negatives, POSITIVES"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.contains("Data export complete.")) << exported.out.toStdString();
    const QString file = home.filePath("MySQL/Exchange/my_brain.xpt");
    EXPECT_EQ(ArchiveReader(file).names(), (QStringList{"my_brain.sql", "my_brain.txt"}));

    const Outcome listed = run({"--list-data-files"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "my_brain.xpt\tContains: \"positives, negatives\".\n");

    const Outcome again = run({"--export", "my_brain", "--items", "Positives"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.startsWith("File already exists!")) << again.err.toStdString();

    const qint64 positives = count("words_positive");
    const Outcome imported = run({"--import", "my_brain"});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("Data import complete."));
    EXPECT_EQ(count("words_positive"), 2 * positives);
    EXPECT_EQ(count("words_negative"), 2);

    const Outcome byPath = run({"--import", file});
    EXPECT_EQ(byPath.exitCode, 0) << byPath.err.toStdString();
    EXPECT_EQ(count("words_positive"), 3 * positives);
}

TEST_F(ExchangeCommands, BadArgumentsAreUsageErrorsAndFailuresSayWhy) {
    const struct {
        QStringList arguments;
        int exitCode;
        QString error;
    } cases[] = {
        {{"--export", "x", "--items", "Positives,Bogus"}, 2, "There is no export item \"Bogus\""},
        {{"--export", "x"}, 2, "Please, select at least one item to export!"},
        {{"--export", "abcdefghijklmnopqrstuvwxyz", "--items", "Positives"},
         2,
         "Data export canceled."},
        {{"--items", "Positives", "--list-data-files"}, 2, "--items goes only with --export."},
        {{"--import", "x", "--list-data-files"}, 2, "cannot run together"},
        {{"--import", "nowhere"}, 1, "File does not exist! nowhere"},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
    }
    QDir().mkpath(home.filePath("MySQL/Exchange"));
    QFile damaged(home.filePath("MySQL/Exchange/damaged.xpt"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, 'x'));
    damaged.close();
    const Outcome r = run({"--import", "damaged.xpt"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("Import error!\ndamaged.xpt: The archive")) << r.err.toStdString();
}

}  // namespace
