#include "ui/nickname_box.h"

#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>

namespace {

TEST_F(EngineFixture, TheNicknameBoxKeepsTheListDrawsANameAndFiltersWhatIsTyped) {
    NicknameBox box(*engine);
    box.show();
    QTest::keyClicks(box.lineEdit(), "Bot!#Name");
    EXPECT_EQ(box.currentText(), "BotName");
    box.addEntry();
    EXPECT_EQ(fakes.notifications.informations.last(), "Entry \"BotName\" added.");
    box.setCurrentText("[Other]");
    box.addEntry();
    box.refresh();
    EXPECT_EQ(box.count(), 2);

    QTest::mouseDClick(box.lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(box.currentText() == "BotName" || box.currentText() == "[Other]");
    box.setCurrentText("BotName");
    box.removeEntry();
    EXPECT_EQ(box.currentText(), "[Other]") << "the one left is drawn";
    box.removeEntry();
    EXPECT_EQ(fakes.notifications.informations.last(), "Q.I.V.O™ Nickname list is empty!");
}

}  // namespace
