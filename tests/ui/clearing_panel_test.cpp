#include "ui/clearing_panel.h"

#include "dbadmin/maintenance_jobs.h"
#include "press_button.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class ClearingWindow : public EngineFixture {
  protected:
    ClearingWindow() {
        fakes.random.next = {42, 57, 10};
        panel = std::make_unique<ClearingPanel>(*engine);
        panel->show();
        brain.db().execute("INSERT INTO interface_q (question, answer) VALUES ('%HI%', ' HO ')");
    }
    void press(const QString& caption) { PressButton(*panel, caption); }
    qint64 questions() {
        brain.db().open("SELECT COUNT(*) AS n FROM interface_q");
        return brain.db().field("n").toLongLong();
    }
    std::unique_ptr<ClearingPanel> panel;
};

TEST_F(ClearingWindow, OnlyTheKeyOfTheMomentClearsAndAClearDrawsANewOne) {
    EXPECT_EQ(panel->key(), "A42B57C10");
    QLineEdit* field = panel->findChild<QLineEdit*>("key_field");
    QTest::keyClicks(field, "a42b57c1");
    EXPECT_EQ(field->text(), "A42B57C1") << "typed in capitals";
    press("Question Responses");
    EXPECT_EQ(fakes.notifications.informations.last(), "Wrong security key!");
    EXPECT_EQ(questions(), 1);

    QTest::keyClicks(field, "0");
    fakes.random.next = {20, 30, 40};
    press("Question Responses");
    EXPECT_EQ(fakes.notifications.informations.last(), "All questions cleared!");
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(panel->key(), "A20B30C40");
    EXPECT_TRUE(field->text().isEmpty());
}

// A clear from the window is the command line's job: the session's timers wait for its end.
TEST_F(ClearingWindow, AClearHasTheBrainToItself) {
    struct Recorder final : BrainHold {
        QStringList calls;
        void hold() override { calls << "hold"; }
        void release() override { calls << "release"; }
    } session;
    panel->setHold(&session);
    engine->state.settings.clearWithoutSecurityKey = true;
    press("Question Responses");
    EXPECT_EQ(session.calls, (QStringList{"hold", "release"}));
    EXPECT_EQ(questions(), 0);
}

TEST_F(ClearingWindow, TheCriteriaAreTheSettingsSavedWithTheOthers) {
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        if (box->text() == "Clear By Teacher's Nick" || box->text() == "Clear Without Security Key")
            box->setChecked(true);
    for (QLineEdit* field : panel->findChildren<QLineEdit*>())
        if (field->statusTip().startsWith("Enter nickname")) field->setText("[bob]");
    const Settings& s = engine->state.settings;
    EXPECT_TRUE(s.clearByTeachersNick && s.clearWithoutSecurityKey);
    EXPECT_EQ(s.clearTeachersNickname, "[bob]");
    press("Question Responses");
    EXPECT_EQ(fakes.notifications.informations.last(), "0 question(s) cleared!");
    EXPECT_EQ(questions(), 1);
}

}  // namespace
