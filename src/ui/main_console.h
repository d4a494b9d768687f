#pragma once

#include "console_tray.h"
#include "engine/engine.h"
#include "engine/outside.h"
#include "help_line.h"
#include "online_clock.h"
#include "sound_player.h"
#include "update_check.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

class SettingsPanel;

// The main console: the engine's log on black, lime while idle, red while a cycle runs, green
// while an answer line is sent, blue while paused; the status line and the online clock below
// it, the scrolling help line, the buttons, the settings tabs that open and close, and the tray
// icon. The "A" button keeps the keyboard focus, so ENTER opens the additional console.
class MainConsole : public QMainWindow, public ConsoleView, public Notifications {
    Q_OBJECT
  public:
    explicit MainConsole(QWidget* parent = nullptr);

    void appendLine(const QString& line) override;
    void clear() override;
    void setColour(ConsoleColour colour) override;
    void setStatusLine(const QString& status) override;

    void balloon(const QString& title, const QString& text) override;
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool askYesNo(const QString& text) override;

    // The console's parts of the outside world, with the given clock, random source and
    // additional console; the IRC connection is the session's.
    Outside outside(Clock* clock, RandomSource* random, AdditionalConsoleView* additional);

    // The engine exists: the settings tabs are built on its settings and the tray comes up.
    void attach(Engine& engine);
    // Timer2: the start-up checks reached the brain; the controls are readied. On the first run
    // the language window comes first.
    void startUpStep(bool firstRun = false);

    // Enables the Start, Pause and Stop buttons and tray entries as offered, the pause control
    // reading "Resume Artificial Intelect" while paused; the online clock runs while online.
    void showOnlineControls(const OnlineControls& controls);
    // "->": opens or closes the settings tabs; closing saves the settings.
    void toggleSettings();
    // "Tr": into the tray, or down to the task bar where the desktop has no tray.
    void hideToTray();
    // The tray icon or "Show Main Console".
    void showFromTray();
    // The steps before the program leaves IRC and ends: the settings saved, users_online
    // emptied.
    void closingSteps();

    // Timer5: the monthly update check, asked for first unless "Automatic Q.I.V.O™ Updates".
    void Timer5Timer();
    // "Check For Program Updates".
    void checkForUpdatesNow();
    // Timer1: the offline reminder.
    void Timer1Timer();
    // safety_checker: the unsafe-configuration warning, at doubling intervals.
    void safety_checkerTimer();

    SettingsPanel* settingsPanel() const { return settings_; }
    ConsoleTray& tray() { return tray_; }
    const HelpLine* helpLine() const { return help_; }

    QTimer Timer1;          // offline reminder
    QTimer Timer5;          // monthly update check
    QTimer UptimeOnline;    // the online clock
    QTimer safety_checker;  // unsafe-configuration warning

  signals:
    // The "A" button or ENTER: the owner wants the additional console.
    void additionalConsoleRequested();
    void startRequested();
    void pauseRequested();
    void stopRequested();
    // The owner switched "Allow Lonely Talking".
    void lonelyTalkingSwitched(bool on);
    // The window is being closed: the program leaves IRC and ends.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* button(const QString& caption, const QString& help);
    QWidget* topBar();
    QWidget* controlRow();
    void play(const QString& sound);
    void focusA();
    void settingChanged(int line);
    // "Clear Without Security Key" of the clearing panel: warned against, and the unsafe-
    // configuration warning restarts its intervals.
    void watchClearingWithoutKey();
    void clockTick();
    bool connected() const;
    void checkForUpdates();
    void updateChecked(const UpdateOutcome& outcome);

    Engine* engine_ = nullptr;
    QPlainTextEdit* log_;
    QLabel* status_;
    QLabel* online_;
    HelpLine* help_;
    QPushButton *close_, *tray_button_, *settings_button_, *additional_;
    QPushButton *start_, *pause_, *stop_;
    SettingsPanel* settings_ = nullptr;
    QWidget* settingsPlace_;
    ConsoleTray tray_;
    SoundPlayer sounds_;
    OnlineClock clock_;
    bool onlineOffered_ = false;  // Stop is offered and the character is not paused
    UpdateCheck updates_;
    bool quietUpdate_ = false;  // no questions and no latest-version message
    int offlineNotices_ = 0;    // offline messages shown since the last button press
    bool closed_ = false;
};

// The texts of the console's help line.
inline const QString kWelcomeHelp =
    "Welcome to the Q.I.V.O™ Quenmark Talvane™ - Main Console. If you want to chat with the "
    "program locally, press \"ENTER\" now. To get help for any object in the form move cursor "
    "over it.";
