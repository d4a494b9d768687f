#include "ui/main_console.h"

#include "brain/query.h"
#include "support/engine_fixture.h"
#include "ui/autostart.h"
#include "ui/language_window.h"
#include "ui/maintenance_panel.h"
#include "ui/online_clock.h"
#include "ui/settings_panel.h"
#include "ui/skins.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(OnlineClockText, CountsHoursMinutesAndSeconds) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {{0, "TIME SPENT ONLINE: 0:00:00"},
                 {59, "TIME SPENT ONLINE: 0:00:59"},
                 {60, "TIME SPENT ONLINE: 0:01:00"},
                 {3665, "TIME SPENT ONLINE: 1:01:05"},
                 {36000, "TIME SPENT ONLINE: 10:00:00"}};
    for (const auto& c : cases) {
        OnlineClock clock;
        for (int i = 0; i < c.seconds; ++i)
            clock.tick();
        EXPECT_EQ(clock.text(), c.text);
    }
}

class Console : public EngineFixture {
  protected:
    Console() {
        window.attach(*engine);
        window.show();
    }
    QPushButton* button(const QString& caption) {
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == caption) return b;
        ADD_FAILURE() << caption.toStdString();
        return nullptr;
    }
    QStringList optionsFile() {
        QFile file(homeDir.filePath("Main/Options.ini"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split('\n');
    }
    MainConsole window;
};

TEST_F(Console, ClosingSavesTheSettingsAndEmptiesTheOnlineUsers) {
    engine->state.databaseReady = true;
    brain.db().execute("INSERT INTO users_online (`user`, `channel`) VALUES ('bob', '#talvane')");
    engine->state.settings.nickname = "Quenmark";
    QSignalSpy closing(&window, &MainConsole::closing);
    window.close();
    EXPECT_EQ(closing.count(), 1) << "the program leaves IRC and ends";
    EXPECT_EQ(optionsFile().value(1), "Quenmark");
    EXPECT_EQ(optionsFile().value(19), "12") << "the month of the save";
    EXPECT_EQ(brain.db().catalogue().rowCount("users_online"), 0);
}

TEST_F(Console, TheSettingsTabsOpenAndCloseAndClosingSavesThem) {
    engine->state.settings.showDetailedConsoleLogTexts = true;
    QPushButton* toggle = button("->");
    toggle->click();
    EXPECT_EQ(toggle->text(), "<-");
    EXPECT_TRUE(window.settingsPanel()->isVisible());
    engine->state.settings.ircServer = "irc.example.net";
    toggle->click();
    EXPECT_EQ(toggle->text(), "->");
    EXPECT_FALSE(window.settingsPanel()->isVisible());
    EXPECT_EQ(optionsFile().value(0), "irc.example.net");
    EXPECT_EQ(fakes.console.lines.last(), "A.I. > Configuration saved.");
}

TEST_F(Console, TheHelpLineShowsTheHelpOfTheControlUnderTheMouse) {
    EXPECT_EQ(window.helpLine()->text(), kWelcomeHelp);
    QStatusTipEvent over(button("Start Artificial Intelect")->statusTip());
    QCoreApplication::sendEvent(button("Start Artificial Intelect"), &over);
    EXPECT_EQ(window.helpLine()->text(), "Launch Q.I.V.O™ online.");
    QStatusTipEvent leaving("");
    QCoreApplication::sendEvent(button("A"), &leaving);
    EXPECT_EQ(window.helpLine()->text(), "Launch Q.I.V.O™ online.");
}

TEST_F(Console, TheUnsafeConfigurationWarningComesAtDoublingIntervals) {
    engine->state.settings.showNotifications = true;
    window.startUpStep();
    window.safety_checkerTimer();
    EXPECT_TRUE(fakes.notifications.balloons.isEmpty()) << "clearing asks for its key";
    engine->state.settings.clearWithoutSecurityKey = true;
    for (int minutes : {4, 8, 16}) {
        window.safety_checkerTimer();
        EXPECT_TRUE(fakes.notifications.balloons.last().contains("is not safe"));
        EXPECT_EQ(window.safety_checker.interval(), minutes * 60000);
    }
    QCheckBox* withoutKey = nullptr;
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        if (box->text() == "Clear Without Security Key") withoutKey = box;
    ASSERT_TRUE(withoutKey);
    withoutKey->click();  // checked by the owner
    withoutKey->click();  // and unchecked: no warning
    EXPECT_EQ(fakes.notifications.informations.value(0),
              "It is not recommended to enable this option!");
    EXPECT_EQ(fakes.notifications.informations.size(), 1);
    EXPECT_EQ(window.safety_checker.interval(), 2 * 60000);
}

TEST_F(Console, TheOfflineReminderComesOnlyInAMonthWithoutASave) {
    engine->state.settings.showNotifications = true;
    engine->state.settings.lastSaveMonth = "12";
    window.Timer1Timer();
    EXPECT_TRUE(fakes.notifications.balloons.isEmpty());
    engine->state.settings.lastSaveMonth = "11";
    window.Timer1Timer();
    EXPECT_EQ(fakes.notifications.balloons.value(0),
              "Q.I.V.O™: Artificial Intelect is still offline. It means that nobody can talk "
              "with \"" +
                  engine->state.settings.nickname +
                  "\". Is recommended to \"Start Artificial Intelect\".");
}

TEST_F(Console, TheOnlineClockRunsWhileOnlineAndCountsOnAfterAStop) {
    QLabel* clock = nullptr;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text().startsWith("TIME SPENT ONLINE")) clock = label;
    ASSERT_TRUE(clock);
    fakes.irc.online = true;
    window.showOnlineControls({.pauseEnabled = true, .stopEnabled = true});
    QTest::qWait(1100);
    EXPECT_EQ(clock->text(), "TIME SPENT ONLINE: 0:00:01");
    fakes.irc.online = false;
    window.showOnlineControls({.startEnabled = true});
    QTest::qWait(1100);
    EXPECT_FALSE(window.UptimeOnline.isActive());
    fakes.irc.online = true;
    window.showOnlineControls({.pauseEnabled = true, .stopEnabled = true});
    QTest::qWait(1100);
    EXPECT_EQ(clock->text(), "TIME SPENT ONLINE: 0:00:02");
}

class Autostart : public Console {
  protected:
    Autostart() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    ~Autostart() override { qunsetenv("XDG_CONFIG_HOME"); }
    QCheckBox* automaticStartup() { return window.findChild<QCheckBox*>("line_26"); }
    QTemporaryDir config;
};

TEST_F(Autostart, TheEntryIsWrittenWhenTheOwnerSaysYesAndRemovedWithTheBox) {
    const QString entry = config.filePath("autostart/quenmark-talvane.desktop");
    EXPECT_EQ(AutostartEntryPath(), entry);
    fakes.notifications.answerYes = true;
    automaticStartup()->click();
    ASSERT_TRUE(QFile::exists(entry));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("--home " + homeDir.path())) << text.toStdString();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\nType=Application\n"));
    automaticStartup()->click();
    EXPECT_FALSE(QFile::exists(entry));

    fakes.notifications.answerYes = false;
    WriteAutostartEntry("/usr/bin/talvane", homeDir.path());
    automaticStartup()->click();
    EXPECT_TRUE(engine->state.settings.automaticStartup);
    EXPECT_FALSE(QFile::exists(entry)) << "No removes the entry";
}

TEST(AutostartEntry, QuotesWhatTheExecKeyCannotHoldPlainAndLeavesOutTheDefaultHome) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    EXPECT_TRUE(AutostartEntryText("/opt/talvane/talvane", data.filePath("quenmark-talvane"))
                    .contains("\nExec=/opt/talvane/talvane\n"));
    EXPECT_TRUE(AutostartEntryText("/opt/my apps/talvane", "/srv/home 100%")
                    .contains("\nExec=\"/opt/my apps/talvane\" --home \"/srv/home 100%%\"\n"));
    qunsetenv("XDG_DATA_HOME");
}

}  // namespace

// Not a check: pictures of the console and every settings tab at 1280x800 for a person to look
// at, written only when TALVANE_SCREENSHOT_DIR names a folder.
TEST_F(Console, Screenshots) {
    const QString folder = qEnvironmentVariable("TALVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "TALVANE_SCREENSHOT_DIR is not set";
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    window.resize(1280, 800);
    for (int i = 0; i < 12; ++i)
        window.appendLine(QStringLiteral("A.I. > Console line %1 of the engine's log.").arg(i));
    window.startUpStep();
    // The maintenance buttons as the program hosts them.
    MaintenancePanel maintenance(*engine,
                                 MaintainedBrain{engine->db, engine->home.root(), fakes.clock});
    window.settingsPanel()->hostMaintenance(&maintenance);
    window.grab().save(folder + "/console-closed-x" + scale + ".png");
    button("->")->click();
    for (int tab = 0; tab < window.settingsPanel()->count(); ++tab) {
        window.settingsPanel()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        window.grab().save(
            QStringLiteral("%1/console-tab%2-x%3.png").arg(folder).arg(tab).arg(scale));
    }
    ApplySkin(engine->home, "Night");
    window.settingsPanel()->setCurrentIndex(0);
    QCoreApplication::processEvents();
    window.grab().save(folder + "/console-night-skin-x" + scale + ".png");
    ApplySkin(engine->home, "");
    LanguageWindow language(*engine);
    language.show();
    language.grab().save(folder + "/language-window-x" + scale + ".png");
}
