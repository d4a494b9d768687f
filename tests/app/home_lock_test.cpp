#include "engine/home_lock.h"
#include "engine/program_home.h"
#include "engine/text_files.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

TEST(HomeLock, OneHolderAtATimeNamedToTheOthers) {
    QTemporaryDir parent;
    const QString home = parent.filePath("home");
    auto first = std::make_unique<HomeLock>(home);
    ASSERT_EQ(first->take(), HomeLock::Outcome::Taken);
    HomeLock second(home);
    EXPECT_EQ(second.take(), HomeLock::Outcome::InUse);
    EXPECT_TRUE(second.refusal().contains(
        QStringLiteral("process %1 ").arg(QCoreApplication::applicationPid())))
        << second.refusal().toStdString();
    first.reset();
    EXPECT_EQ(second.take(), HomeLock::Outcome::Taken) << "a lock given back is free";

    WriteTextLines(parent.filePath("file"), {"not a folder"});
    HomeLock nowhere(parent.filePath("file/home"));
    EXPECT_EQ(nowhere.take(), HomeLock::Outcome::Failed);
}

// Real programs on one home: the second is refused with exit code 2, and the lock of one that
// was killed -9 is taken over.
TEST(HomeLock, ASecondProgramIsRefusedAndAKilledOnesLockTakenOver) {
    TestBrain brain;
    QTemporaryDir home;
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    const DbConfig& config = brain.config();
    WriteTextLines(home.filePath("Main/Database.ini"),
                   {"[database]", "host=" + config.host, "port=" + QString::number(config.port),
                    "user=" + config.user, "password=" + config.password, "name=" + config.database,
                    "managed=false"});
    const QStringList arguments = {"--headless", "--home", home.path()};

    QProcess holder;
    holder.start(TALVANE_PROGRAM, arguments);
    ASSERT_TRUE(holder.waitForStarted());
    for (int i = 0; i < 100 && !QFileInfo::exists(home.filePath("talvane.lock")); ++i)
        QThread::msleep(100);
    ASSERT_TRUE(QFileInfo::exists(home.filePath("talvane.lock")));

    QProcess second;
    second.setStandardInputFile(QProcess::nullDevice());
    second.start(TALVANE_PROGRAM, arguments);
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 2);
    const QString refusal = QString::fromUtf8(second.readAllStandardError());
    EXPECT_TRUE(refusal.contains(QStringLiteral("process %1 ").arg(holder.processId())))
        << refusal.toStdString();

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(30000));
    QProcess third;
    third.setStandardInputFile(QProcess::nullDevice());
    third.start(TALVANE_PROGRAM, arguments);
    ASSERT_TRUE(third.waitForFinished(60000));
    EXPECT_EQ(third.exitCode(), 0) << third.readAllStandardError().toStdString();
}

}  // namespace
