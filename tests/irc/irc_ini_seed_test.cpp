#include "engine/program_home.h"
#include "irc/irc_config.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

TEST(IrcIni, ANewHomeIsSeededWithTheCommentedDefaults) {
    QTemporaryDir home;
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    const QString ini = home.filePath("Main/Irc.ini");
    ASSERT_TRUE(QFileInfo::exists(ini));
    const IrcConfig config = LoadIrcConfig(ini);
    EXPECT_FALSE(config.tls);
    EXPECT_EQ(config.reconnectSeconds, 180);
}

}  // namespace
