#pragma once

#include "engine/engine.h"
#include "engine/outside.h"
#include "sound_player.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>

// The main console: the engine's log on black, lime while idle, red while a cycle runs, green
// while an answer line is sent, blue while paused; the status line below it, and the controls
// that take the character online, pause it and stop it.
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

    // Enables the Start, Pause and Stop buttons as offered, the pause button reading "Resume
    // Artificial Intelect" while paused.
    void showOnlineControls(const OnlineControls& controls);

  signals:
    // The "A" button or ENTER: the owner wants the additional console.
    void additionalConsoleRequested();
    void startRequested();
    void pauseRequested();
    void stopRequested();
    // The window is being closed: the program ends.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QPlainTextEdit* log_;
    QLabel* status_;
    QPushButton* start_;
    QPushButton* pause_;
    QPushButton* stop_;
    SoundPlayer sounds_;
};
