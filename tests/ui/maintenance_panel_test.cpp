#include "ui/maintenance_panel.h"

#include "dbadmin/backup_files.h"
#include "dbadmin/exchange_files.h"
#include "press_button.h"
#include "scripted_dialogs.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

// The panel in a console window of its own, with waits that return at once and note what was
// in view while the job ran.
class MaintenanceWindow : public EngineFixture {
  protected:
    MaintenanceWindow() { start(brain.db()); }
    void start(Query& db) {
        panel = std::make_unique<MaintenancePanel>(
            *engine, MaintainedBrain{db, homeDir.path(), fakes.clock, nullptr}, &console, &dialogs);
        panel->pleaseWait().wait = [this](int) {
            consoleSeenDuringJob |= console.isVisible();
            pleaseWaitSeen |= panel->pleaseWait().isVisible();
        };
        console.show();
    }
    void press(const QString& caption) { PressButton(*panel, caption); }
    qint64 questions() {
        brain.db().open("SELECT COUNT(*) AS n FROM interface_q");
        return brain.db().field("n").toLongLong();
    }
    QStringList backups() const { return ListBackups(BackupFolder(homeDir.path())); }
    QStringList& told() { return fakes.notifications.informations; }

    QWidget console;
    ScriptedDialogs dialogs;
    std::unique_ptr<MaintenancePanel> panel;
    bool consoleSeenDuringJob = false, pleaseWaitSeen = false;
};

// Backup, then restore through the backup box: the owner is asked first, the console steps
// aside for the job and comes back, and the rows are back.
TEST_F(MaintenanceWindow, QuickBackupAndRestoreThroughTheBackupBox) {
    brain.db().execute("INSERT INTO interface_q (question, answer) VALUES ('%HI%', ' HO ')");
    fakes.irc.online = true;
    press("Quick Backup Database");
    EXPECT_EQ(fakes.notifications.questions.size(), 2) << "the job and leaving IRC";
    EXPECT_EQ(told().last(), "Backup success.");
    EXPECT_EQ(backups(), QStringList{"TX3_20261209_1200.sql"});
    EXPECT_FALSE(consoleSeenDuringJob);
    EXPECT_TRUE(pleaseWaitSeen);
    EXPECT_TRUE(console.isVisible());
    EXPECT_FALSE(panel->pleaseWait().isVisible());

    brain.db().execute("DELETE FROM interface_q");
    fakes.irc.online = false;
    press("Quick Restore Database");
    EXPECT_FALSE(console.isVisible());
    ASSERT_TRUE(panel->backupBox().isVisible());
    panel->backupBox().select("TX3_20261209_1200.sql");
    panel->backupBox().restoreSelected();
    EXPECT_EQ(fakes.notifications.questions.last(),
              "Do you want to restore entire Q.I.V.O™ database from the selected backup file "
              "\"TX3_20261209_1200.sql\" now? It can take some time to complete!");
    EXPECT_FALSE(panel->backupBox().isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return told().contains("Restore success."); }, 60000));
    EXPECT_EQ(questions(), 1);
    EXPECT_TRUE(console.isVisible());
}

// A No to either question changes nothing; closing the box brings the console back 1200 ms
// later.
TEST_F(MaintenanceWindow, NoAndClosingTheBoxLeaveTheBrainAlone) {
    fakes.notifications.answerYes = false;
    for (const char* job : {"Repair Database", "Quick Backup Database", "Rebuild Database"})
        press(job);
    EXPECT_TRUE(told().isEmpty());
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_TRUE(console.isVisible());

    press("Quick Restore Database");
    EXPECT_FALSE(console.isVisible());
    panel->backupBox().close();
    EXPECT_FALSE(console.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return console.isVisible(); }, 5000));
}

// The manager's export and import run here: the console stays away from opening the manager
// until it closes, the owner is asked before the character leaves IRC, and the manager comes
// back after each job.
TEST_F(MaintenanceWindow, TheManagersExportAndImportRunWithTheConsoleAway) {
    brain.db().execute("DELETE FROM words_positive");
    brain.db().execute("INSERT INTO words_positive (positive) VALUES ('LABI')");
    press("Export / Import Manager");
    ExchangeManager& manager = panel->exchangeManager();
    EXPECT_FALSE(console.isVisible());
    ASSERT_TRUE(manager.isVisible());

    manager.itemBox(6)->setChecked(true);  // Positives
    dialogs.answers = {true};
    dialogs.typed = {"shared"};
    fakes.irc.online = true;
    manager.ExportData();
    EXPECT_EQ(fakes.notifications.questions.size(), 1) << "leaving IRC";
    EXPECT_EQ(told().last(), "Data export complete.");
    EXPECT_TRUE(pleaseWaitSeen);
    EXPECT_FALSE(consoleSeenDuringJob);
    EXPECT_TRUE(manager.isVisible());
    EXPECT_EQ(manager.files(), QStringList{"shared.xpt"});

    fakes.irc.online = false;
    manager.select("shared.xpt");
    dialogs.answers = {true};
    manager.ImportData();
    EXPECT_EQ(told().last(), "Data import complete.");
    brain.db().open("SELECT COUNT(*) AS n FROM words_positive WHERE positive='LABI'");
    EXPECT_EQ(brain.db().field("n"), "2");
    EXPECT_TRUE(manager.isVisible());
    EXPECT_FALSE(console.isVisible());

    manager.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return console.isVisible(); }, 5000));
}

// Saying No to leaving IRC brings the manager back without touching the brain; a failed import
// brings the console back at once.
TEST_F(MaintenanceWindow, NoToLeavingIrcOrAFailedImportLeaveTheBrainAlone) {
    WriteDataFile(ExchangeFolder(homeDir.path()), "hostile", "DROP TABLE interface_q;\n", "");
    brain.db().execute("INSERT INTO interface_q (question, answer) VALUES ('%HI%', ' HO ')");
    press("Export / Import Manager");
    ExchangeManager& manager = panel->exchangeManager();
    manager.select("hostile.xpt");
    fakes.irc.online = true;
    fakes.notifications.answerYes = false;
    dialogs.answers = {true};
    manager.ImportData();
    EXPECT_TRUE(fakes.notifications.errors.isEmpty());
    EXPECT_TRUE(manager.isVisible());

    fakes.notifications.answerYes = true;
    dialogs.answers = {true};
    manager.ImportData();
    ASSERT_FALSE(fakes.notifications.errors.isEmpty());
    EXPECT_TRUE(fakes.notifications.errors.last().startsWith("Import error!"))
        << fakes.notifications.errors.last().toStdString();
    EXPECT_EQ(questions(), 1);
    EXPECT_TRUE(console.isVisible());
    EXPECT_TRUE(manager.isVisible());
}

// The first start's check asks nothing and tells nothing when the brain is sound.
TEST_F(MaintenanceWindow, TheFirstRunCheckIsQuietWhenAllIsWell) {
    panel->FirstRunCheck();
    EXPECT_TRUE(fakes.notifications.questions.isEmpty());
    EXPECT_TRUE(told().isEmpty());
    EXPECT_TRUE(fakes.notifications.errors.isEmpty());
    EXPECT_TRUE(pleaseWaitSeen);
    EXPECT_EQ(panel->pleaseWait().statusText(), "checking database..");
    EXPECT_TRUE(console.isVisible());
}

// A job that fails says so with the reason, and busy mode still ends.
TEST_F(MaintenanceWindow, AFailingBackupIsAnErrorAndTheConsoleComesBack) {
    DbConfig wrong = brain.config();
    wrong.password = "not the password";
    Query denied(wrong);
    start(denied);
    press("Quick Backup Database");
    ASSERT_FALSE(fakes.notifications.errors.isEmpty());
    EXPECT_TRUE(fakes.notifications.errors.last().startsWith("Backup error!\n"))
        << fakes.notifications.errors.last().toStdString();
    EXPECT_FALSE(told().contains("Backup success."));
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_TRUE(console.isVisible());
}

// Renaming and erasing in the box: names stay names, and each message says what happened.
TEST_F(MaintenanceWindow, TheBackupBoxRenamesAndErasesByNameOnly) {
    const QString folder = BackupFolder(homeDir.path());
    QDir().mkpath(folder);
    for (const char* name : {"TX3_20100302_0905.sql", "other.sql"}) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    BackupBox& box = panel->backupBox();
    box.reread();
    struct Case {
        const char* answer;
        QStringList after;
        const char* error;  // empty: none
    };
    const Case cases[] = {
        {"../x", {"TX3_20100302_0905.sql", "other.sql"}, "cannot be a backup file's name"},
        {"$(reboot)", {"TX3_20100302_0905.sql", "other.sql"}, "cannot be a backup file's name"},
        {"other", {"TX3_20100302_0905.sql", "other.sql"}, "exists already"},
        {"abcdefghijklmnopqrstuvwxyz", {"TX3_20100302_0905.sql", "other.sql"}, ""},
        {"my backup", {"my_backup.sql", "other.sql"}, ""},
    };
    for (const Case& c : cases) {
        fakes.notifications.errors.clear();
        box.select(backups().first());
        box.askName = [&](const QString&) { return QString(c.answer); };
        box.renameSelected();
        EXPECT_EQ(backups(), c.after) << c.answer;
        if (*c.error)
            EXPECT_TRUE(fakes.notifications.errors.value(0).contains(c.error)) << c.answer;
        else
            EXPECT_TRUE(fakes.notifications.errors.isEmpty()) << c.answer;
    }
    EXPECT_EQ(told(), QStringList{"Backup file renamed."});

    box.select("other.sql");
    QFile::remove(folder + "/other.sql");
    box.eraseSelected();
    EXPECT_EQ(fakes.notifications.errors.last(), "File does not exist!");
    EXPECT_NE(told().last(), "Backup file erased.") << "no success after a failure";
    box.select("my_backup.sql");
    box.eraseSelected();
    EXPECT_EQ(told().last(), "Backup file erased.");
    EXPECT_TRUE(backups().isEmpty());
}

}  // namespace
