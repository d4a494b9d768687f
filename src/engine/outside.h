#pragma once

#include <QDateTime>
#include <QString>

// The engine reaches the world only through these small interfaces. The GUI implements them
// with widgets, headless mode with stdout, tests with recording fakes.

enum class ConsoleColour { Lime, Red, Green };

class ConsoleView {
  public:
    virtual ~ConsoleView() = default;
    virtual void appendLine(const QString& line) = 0;
    virtual void clear() = 0;
    virtual void setColour(ConsoleColour colour) = 0;
    virtual void setStatusLine(const QString& status) = 0;
};

// The additional console: the owner's local chat window with a chat view and a log view.
class AdditionalConsoleView {
  public:
    virtual ~AdditionalConsoleView() = default;
    virtual void chatLine(const QString& line) = 0;
    virtual void logLine(const QString& line) = 0;
    // Brings the window up with its chat view in front; a session without windows has none.
    virtual void showChatView() {}
};

class Notifications {
  public:
    virtual ~Notifications() = default;
    virtual void balloon(const QString& title, const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
};

class SoundCues {
  public:
    virtual ~SoundCues() = default;
    virtual void play(const QString& file) = 0;
};

class IrcSender {
  public:
    virtual ~IrcSender() = default;
    virtual bool connected() const = 0;
    virtual void sendPrivmsg(const QString& target, const QString& text) = 0;
    virtual void sendNotice(const QString& target, const QString& text) = 0;
    virtual void sendAction(const QString& target, const QString& text) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number in [0, bound); 0 when bound is not positive.
    virtual int bounded(int bound) = 0;
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class SystemRandom final : public RandomSource {
  public:
    int bounded(int bound) override;
};

// Stand-ins for a session without a window, a tray or an IRC connection.
class SilentSounds final : public SoundCues {
  public:
    void play(const QString&) override {}
};

class NoIrc final : public IrcSender {
  public:
    bool connected() const override { return false; }
    void sendPrivmsg(const QString&, const QString&) override {}
    void sendNotice(const QString&, const QString&) override {}
    void sendAction(const QString&, const QString&) override {}
};
