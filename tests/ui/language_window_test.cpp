#include "ui/language_window.h"

#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

class FirstRunLanguage : public EngineFixture {
  protected:
    void choose(const QString& caption) {
        for (QRadioButton* radio : window.findChildren<QRadioButton*>())
            if (radio->text() == caption) radio->click();
        QSignalSpy chosen(&window, &LanguageWindow::chosen);
        window.findChild<QPushButton*>()->click();
        EXPECT_EQ(chosen.count(), 1);
    }
    bool latvian(bool Settings::*line) { return engine->state.settings.*line; }
    LanguageWindow window{*engine};
};

TEST_F(FirstRunLanguage, OkWithoutAChoiceLeavesEveryLatvianSwitchOff) {
    SetChecked(engine->state.settings, 14, true);
    choose("");
    EXPECT_FALSE(latvian(&Settings::latvianLanguageMode));
    EXPECT_FALSE(latvian(&Settings::latvianEventSystem));
    EXPECT_FALSE(latvian(&Settings::latvianSymbolConversion));
}

TEST_F(FirstRunLanguage, LatvianChecksTheThreeSwitches) {
    choose("Latvian Language Mode");
    EXPECT_TRUE(latvian(&Settings::latvianLanguageMode));
    EXPECT_TRUE(latvian(&Settings::latvianEventSystem));
    EXPECT_TRUE(latvian(&Settings::latvianSymbolConversion));
}

TEST(LanguageCodes, OnlyEnglishAndLatvianAreModes) {
    Settings settings;
    EXPECT_TRUE(SetLanguageMode(settings, "lv"));
    EXPECT_TRUE(settings.latvianEventSystem);
    EXPECT_FALSE(SetLanguageMode(settings, "de"));
    EXPECT_TRUE(settings.latvianLanguageMode) << "a wrong code changes nothing";
    EXPECT_TRUE(SetLanguageMode(settings, "en"));
    EXPECT_FALSE(settings.latvianSymbolConversion);
}

}  // namespace
