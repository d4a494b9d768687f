#pragma once

#include "engine/engine.h"
#include "engine/outside.h"
#include "sound_player.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>

// The main console: the engine's log on black, lime while idle, red while a cycle runs, green
// while an answer line is sent, and the status line below it.
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

    // The console's parts of the outside world, with the given clock, random source, IRC and
    // additional console.
    Outside outside(Clock* clock, RandomSource* random, IrcSender* irc,
                    AdditionalConsoleView* additional);

  signals:
    // The "A" button or ENTER: the owner wants the additional console.
    void additionalConsoleRequested();

  private:
    QPlainTextEdit* log_;
    QLabel* status_;
    SoundPlayer sounds_;
};
