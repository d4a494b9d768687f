#include "ui/exchange_manager.h"
#include "dbadmin/exchange_choices.h"
#include "dbadmin/exchange_files.h"
#include "engine/text_files.h"
#include "scripted_dialogs.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTemporaryDir>

namespace {

class ManagerTest : public ::testing::Test {
  protected:
    ManagerTest() {
        QDir().mkpath(home.filePath("Main"));
        WriteDataFile(folder(), "first", "INSERT INTO `words_cs` (`word`) VALUES ('A');\n",
                      "Pirmais fails\nar divām rindām");
        WriteDataFile(folder(), "second", "", "Contains: \"positives\".");
    }
    QString folder() const { return ExchangeFolder(home.path()); }
    QTemporaryDir home;
    ScriptedDialogs dialogs;
};

TEST_F(ManagerTest, ExportAsksForANameCleansItAndHandsTheRequestOn) {
    ExchangeManager manager(home.path(), &dialogs);
    manager.show();
    QSignalSpy requests(&manager, &ExchangeManager::exportRequested);
    manager.ExportData();
    EXPECT_EQ(dialogs.told, QStringList{"Please, select at least one item to export!"});

    manager.itemBox(6)->setChecked(true);  // Positives
    manager.itemBox(7)->setChecked(true);  // Negatives
    dialogs.answers = {true};
    dialogs.typed = {"my brain: part 1"};
    manager.ExportData();
    ASSERT_EQ(requests.size(), 1);
    const auto request = requests.first().first().value<ExportRequest>();
    EXPECT_EQ(request.stem, "my_brain__part_1");
    EXPECT_EQ(request.items.size(), 2);
    EXPECT_EQ(request.items.first()->caption, "Positives");
    EXPECT_FALSE(manager.isVisible()) << "the manager steps aside for the job";
    EXPECT_EQ(dialogs.prompted, QStringList{"Enter new data filename: []"});

    // An existing data file is replaced only when the owner says so.
    manager.show();
    dialogs.answers = {true, false};
    dialogs.typed = {"first"};
    manager.ExportData();
    EXPECT_EQ(requests.size(), 1);
    EXPECT_EQ(dialogs.asked.last(),
              "File already exists! Do you want to replace the data file \"first.xpt\"?");
    EXPECT_EQ(dialogs.told.last(), "Data export canceled.");
    dialogs.answers = {true};
    dialogs.typed = {"abcdefghijklmnopqrstuvwxyz"};
    manager.ExportData();
    EXPECT_EQ(dialogs.told.last(), "Data export canceled.");
}

TEST_F(ManagerTest, FilesShowTheirDescriptionsAndAreRenamedDescribedErasedAndImported) {
    QFile::copy(folder() + "/first.xpt", folder() + "/left_over.sql");
    ExchangeManager manager(home.path(), &dialogs);
    manager.show();
    EXPECT_EQ(manager.files(), (QStringList{"first.xpt", "second.xpt"}));
    EXPECT_FALSE(QFile::exists(folder() + "/left_over.sql")) << "leftovers go when it opens";
    manager.select("first.xpt");
    manager.ShowDescription();
    EXPECT_EQ(manager.description(), "Pirmais fails\nar divām rindām");
    manager.itemBox(0)->click();
    EXPECT_EQ(manager.description(), "") << "another choice of items empties the description";

    manager.setDescription("Jauns apraksts");
    dialogs.answers = {true};
    manager.ModifyDescription();
    EXPECT_EQ(dialogs.told.last(), "Data file description modified.");
    EXPECT_EQ(ReadDescription(folder() + "/first.xpt"), "Jauns apraksts");

    dialogs.typed = {"mans fails"};
    manager.RenameSelected();
    EXPECT_EQ(dialogs.prompted.last(), "Enter new filename: [first]");
    EXPECT_EQ(dialogs.told.last(), "Data file renamed.");
    EXPECT_EQ(manager.files(), (QStringList{"mans_fails.xpt", "second.xpt"}));

    QSignalSpy imports(&manager, &ExchangeManager::importRequested);
    dialogs.answers = {true};
    manager.ImportData();
    EXPECT_EQ(dialogs.asked.last(),
              "Do you want to import data into Q.I.V.O™ database from the selected data file "
              "\"mans_fails\" now? Sometimes it can take a long time to complete!");
    ASSERT_EQ(imports.size(), 1);
    EXPECT_EQ(imports.first().first().toString(), folder() + "/mans_fails.xpt");

    manager.show();
    manager.select("second.xpt");
    dialogs.answers = {true};
    manager.EraseSelected();
    EXPECT_EQ(dialogs.asked.last(), "Do you want to erase selected data file \"second.xpt\"?");
    EXPECT_EQ(dialogs.told.last(), "Data file erased.");
    EXPECT_EQ(manager.files(), QStringList{"mans_fails.xpt"});
}

TEST_F(ManagerTest, DroppedDataFilesAreCopiedInAndOthersRejected) {
    QTemporaryDir elsewhere;
    QFile::copy(folder() + "/first.xpt", elsewhere.filePath("brain.XPT"));
    QFile::copy(folder() + "/first.xpt", elsewhere.filePath("brain.zip"));
    ExchangeManager manager(home.path(), &dialogs);
    manager.show();
    manager.DropFiles({elsewhere.filePath("brain.XPT"), elsewhere.filePath("brain.zip")});
    EXPECT_EQ(dialogs.told, QStringList{"File: \"brain.zip\" rejected, because it is an invalid "
                                        "Q.I.V.O™ data file."});
    EXPECT_EQ(manager.files(), (QStringList{"brain.XPT", "first.xpt", "second.xpt"}));

    // Dragged out, a data file is its file.
    const QListWidget* list = manager.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    std::unique_ptr<QMimeData> dragged(list->model()->mimeData({list->model()->index(1, 0)}));
    EXPECT_EQ(dragged->urls(), QList<QUrl>{QUrl::fromLocalFile(folder() + "/first.xpt")});
}

TEST_F(ManagerTest, TheCheckedItemsAreKeptInIemanagerIni) {
    WriteTextLines(ExchangeChoicesPath(home.path()),
                   {"1", "0", "0", "0", "0", "0", "1", "x", "0", "1"});
    {
        ExchangeManager manager(home.path(), &dialogs);
        EXPECT_TRUE(manager.itemBox(0)->isChecked());
        EXPECT_TRUE(manager.itemBox(6)->isChecked());
        EXPECT_FALSE(manager.itemBox(7)->isChecked());
        EXPECT_TRUE(manager.itemBox(9)->isChecked());
        manager.show();
        manager.itemBox(0)->setChecked(false);
        manager.itemBox(2)->setChecked(true);
        manager.close();
    }
    EXPECT_EQ(ReadTextLines(ExchangeChoicesPath(home.path())),
              (QStringList{"0", "0", "1", "0", "0", "0", "1", "0", "0", "1"}));
}

// Looked at as a user would: saved for a look at 1280x800.
TEST_F(ManagerTest, TheWindowDrawsAtDesktopSize) {
    ExchangeManager manager(home.path(), &dialogs);
    manager.show();
    manager.select("first.xpt");
    manager.ShowDescription();
    manager.resize(1280, 800);
    QStatusTipEvent hover("Export the positives: words_positive.");
    QApplication::sendEvent(manager.itemBox(6), &hover);
    const QImage shot = manager.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1280, 800));
    shot.save(QDir::temp().filePath("talvane_exchange_manager.png"));
}

}  // namespace
