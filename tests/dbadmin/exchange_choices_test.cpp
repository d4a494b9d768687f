#include "dbadmin/exchange_choices.h"
#include "engine/text_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(ExchangeChoices, TenLinesOfOnesAndZerosAndAnythingElseLeavesTheBox) {
    QTemporaryDir home;
    QDir().mkpath(home.filePath("Main"));
    const QList<bool> start(10, false);
    EXPECT_EQ(ReadExchangeChoices(home.path(), start), start) << "no file yet";
    WriteTextLines(ExchangeChoicesPath(home.path()), {"1", "0", "yes", "1", "", "1"});
    QList<bool> expected = start;
    expected[0] = expected[3] = expected[5] = true;
    QList<bool> current = start;
    current[2] = true;
    QList<bool> read = ReadExchangeChoices(home.path(), current);
    expected[2] = true;
    EXPECT_EQ(read, expected);
    WriteExchangeChoices(home.path(), read);
    EXPECT_EQ(ReadTextLines(ExchangeChoicesPath(home.path())),
              (QStringList{"1", "0", "1", "1", "0", "1", "0", "0", "0", "0"}));
}

}  // namespace
