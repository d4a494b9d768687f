#include "ui/settings_panel.h"

#include "support/engine_fixture.h"
#include "ui/nickname_box.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

const QDate kToday(2026, 12, 11);

class SettingsTabs : public EngineFixture {
  protected:
    SettingsTabs() {
        engine->state.settings = Settings{};
        engine->state.settings.consoleSkin = "Default";
        panel = std::make_unique<SettingsPanel>(*engine);
        panel->offerSkins({"Default", "Night"});
        panel->show();
    }
    QCheckBox* box(int line) {
        return panel->findChild<QCheckBox*>(QStringLiteral("line_%1").arg(line));
    }
    QString line(int number) { return SettingLineText(engine->state.settings, number, kToday); }
    // What the control of `number` shows, as its line would be written.
    QString shown(int number) {
        const QString name = QStringLiteral("line_%1").arg(number);
        if (auto* b = panel->findChild<QCheckBox*>(name)) return b->isChecked() ? "1" : "0";
        if (auto* c = panel->findChild<QComboBox*>(name)) return c->currentText();
        return panel->findChild<QLineEdit*>(name)->text();
    }
    // Every line with a control on the three declared tabs.
    QList<int> shownLines() {
        QList<int> lines;
        for (int number = 1; number <= 100; ++number)
            if (panel->findChild<QWidget*>(QStringLiteral("line_%1").arg(number))) lines << number;
        return lines;
    }
    void expectControlsShowTheLines() {
        for (int number : shownLines())
            EXPECT_EQ(shown(number), line(number)) << "line " << number;
    }
    std::unique_ptr<SettingsPanel> panel;
};

TEST_F(SettingsTabs, EveryCaptionedLineHasAControlButTheOnesOtherWindowsKeep) {
    QList<int> expected;
    for (const SettingDeclaration& d : SettingDeclarations()) {
        const bool elsewhere = (d.line >= 29 && d.line <= 37) || d.line == 51 || d.line == 54;
        if (*d.caption != '\0' && !elsewhere) expected << d.line;
    }
    EXPECT_EQ(shownLines(), expected);
    for (int number : expected)
        EXPECT_TRUE(panel->findChild<QWidget*>(QStringLiteral("line_%1").arg(number))
                        ->toolTip()
                        .startsWith(SettingHelp(number)))
            << "line " << number;
}

TEST_F(SettingsTabs, WritesEveryLineItShowsAndReadsItBack) {
    // Every box the owner may click is checked, every edit gets a value of its own.
    for (int number : shownLines()) {
        if (QCheckBox* b = box(number)) {
            if (b->isEnabled() && !b->isChecked()) b->click();
            expectControlsShowTheLines();
            continue;
        }
        const QString name = QStringLiteral("line_%1").arg(number);
        if (auto* edit = panel->findChild<QLineEdit*>(name); edit && !edit->isReadOnly()) {
            edit->selectAll();
            QTest::keyClicks(edit, QString::number(1000 + number));
        }
    }
    panel->nicknameBox()->setCurrentText("Quenmark");
    auto* skins = panel->findChild<QComboBox*>("line_18");
    skins->setCurrentIndex(1);
    emit skins->activated(1);
    expectControlsShowTheLines();
    EXPECT_EQ(line(62), "1062");
    EXPECT_EQ(line(4), "1004");
    EXPECT_EQ(line(2), "Quenmark");
    EXPECT_EQ(line(18), "Night");
    EXPECT_EQ(line(53), "0") << "a box without behaviour is greyed";
    EXPECT_EQ(line(59), "0") << "disabled while contextual data is protected";

    const QString file = homeDir.filePath("Main/Options.ini");
    SaveSettings(engine->state.settings, file, kToday);
    const Settings written = engine->state.settings;
    engine->state.settings = Settings{};
    engine->state.settings.consoleSkin = "Default";
    LoadSettings(engine->state.settings, file);
    panel = std::make_unique<SettingsPanel>(*engine);
    panel->offerSkins({"Default", "Night"});
    for (int number = 1; number <= 100; ++number)
        EXPECT_EQ(SettingLineText(engine->state.settings, number, kToday),
                  SettingLineText(written, number, kToday))
            << "line " << number;
    expectControlsShowTheLines();
}

struct Dependent {
    int clicked;
    bool checked;
    QList<int> on, off, enabled, disabled;
};

TEST_F(SettingsTabs, SwitchesThatDependOnEachOther) {
    const Dependent cases[] = {
        {11, true, {11, 12, 93}, {}, {12, 93}, {}},
        {12, false, {11}, {12, 93}, {12}, {93}},
        {11, false, {}, {11, 12, 93}, {}, {12, 93}},
        {14, true, {14, 49, 89}, {}, {49, 89}, {}},
        {14, false, {}, {14, 49, 89}, {}, {49, 89}},
        {42, true, {42}, {}, {}, {59}},
        {42, false, {}, {42}, {59}, {}},
    };
    for (const Dependent& c : cases) {
        SCOPED_TRACE(c.clicked);
        if (box(c.clicked)->isChecked() != c.checked) box(c.clicked)->click();
        for (int number : c.on)
            EXPECT_EQ(line(number), "1") << number;
        for (int number : c.off)
            EXPECT_EQ(line(number), "0") << number;
        for (int number : c.enabled)
            EXPECT_TRUE(box(number)->isEnabled()) << number;
        for (int number : c.disabled)
            EXPECT_FALSE(box(number)->isEnabled()) << number;
        expectControlsShowTheLines();
    }
}

TEST_F(SettingsTabs, SubOptionsAreAskedWhenTheirBoxIsCheckedAndClearedWithIt) {
    fakes.notifications.answerYes = true;
    box(50)->click();
    EXPECT_EQ(fakes.notifications.questions.last(), "Enable online notice?");
    EXPECT_EQ(line(97), "TMON ENABLED");
    EXPECT_TRUE(box(50)->toolTip().contains("online notice is enabled"));
    box(50)->click();
    EXPECT_EQ(line(97), "TMON DISABLED");

    fakes.notifications.answerYes = false;
    box(90)->click();
    EXPECT_EQ(fakes.notifications.questions.last(), "Ignore also dialogue history repeating?");
    EXPECT_EQ(line(90), "1");
    EXPECT_EQ(line(100), "HISTREPEATING DISABLED");
    EXPECT_TRUE(box(90)->toolTip().contains("will not be ignored"));
}

}  // namespace
