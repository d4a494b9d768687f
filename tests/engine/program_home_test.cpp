#include "engine/program_home.h"
#include "engine/text_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

TEST(ProgramHome, OptionThenEnvironmentThenXdg) {
    qputenv("TALVANE_HOME", "/tmp/from-env");
    qputenv("XDG_DATA_HOME", "/tmp/xdg");
    EXPECT_EQ(ResolveHomeFolder("/tmp/from-option"), "/tmp/from-option");
    EXPECT_EQ(ResolveHomeFolder(""), "/tmp/from-env");
    qunsetenv("TALVANE_HOME");
    EXPECT_EQ(ResolveHomeFolder(""), "/tmp/xdg/quenmark-talvane");
}

TEST(ProgramHome, SeedingCopiesShippedFilesAndKeepsTheOwnersOnes) {
    QTemporaryDir home;
    const QString options = home.filePath("Main/Options.ini");
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    for (const char* file :
         {"Main/Options.ini", "Main/Additional.ini", "Main/Database.ini", "MySQL/Setup.dat"})
        EXPECT_TRUE(QFileInfo::exists(home.filePath(file))) << file;
    for (const char* folder : {"Logs/Chat", "Logs/NLP"})
        EXPECT_TRUE(QFileInfo(home.filePath(folder)).isDir()) << folder;
    EXPECT_EQ(ReadTextLines(options).size(), 100);
    EXPECT_EQ(ReadTextLines(home.filePath("MySQL/Setup.dat")),
              (QStringList{"MySQLTX SERVICE STATUSS = DEACTIVATED", "SOFTWARE FIRST RUN = TRUE"}));

    WriteTextLines(options, {"mine"});
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    EXPECT_EQ(ReadTextLines(options), QStringList{"mine"});
}

TEST(ProgramHome, AHomeThatCannotBeWrittenIsAClearError) {
    EXPECT_THROW(SeedProgramHome("/proc/no-such-home", QStringLiteral(TALVANE_SOURCE_DATA_DIR)),
                 HomeSeedError);
}

}  // namespace
