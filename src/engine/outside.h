#pragma once

#include <QDateTime>
#include <QString>

// The engine reaches the world only through these small interfaces. The GUI implements them
// with widgets, headless mode with stdout, tests with recording fakes.

enum class ConsoleColour { Lime, Red, Green, Blue };

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

// The IRC client as the engine and the stages reach it.
class IrcSender {
  public:
    virtual ~IrcSender() = default;
    // The server has taken us in: what is sent now reaches it.
    virtual bool IsConnected() const = 0;
    // The nick the server says we have; while offline, the nick of the next registration.
    virtual QString CurrentNick() const = 0;
    // Whether two nicks or two channel names are the same by the server's case mapping.
    virtual bool SameName(const QString& a, const QString& b) const = 0;
    // Lines given to the sender that have not reached the server yet.
    virtual qsizetype QueuedLines() const { return 0; }
    virtual void SendRawLine(const QString& line) = 0;
    virtual void SendPrivmsg(const QString& target, const QString& text) = 0;
    virtual void SendNotice(const QString& target, const QString& text) = 0;
    virtual void SendAction(const QString& target, const QString& text) = 0;
    virtual void JoinChannel(const QString& channel) = 0;
    // An empty reason sends none.
    virtual void PartChannel(const QString& channel, const QString& reason) = 0;
    virtual void KickUser(const QString& channel, const QString& nick, const QString& reason) = 0;
    // Leaves the server with `reason` and closes the connection.
    virtual void SendQuit(const QString& reason) = 0;
    // While connected asks the server for the nick; otherwise it is the nick of the next
    // registration.
    virtual void ChangeNick(const QString& nick) = 0;
};

// What the Start, Pause and Stop controls offer at the moment.
struct OnlineControls {
    bool startEnabled = false;
    bool pauseEnabled = false;
    bool stopEnabled = false;
    bool paused = false;  // the pause control reads "Resume Artificial Intelect"
    bool operator==(const OnlineControls&) const = default;
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

// A stand-in for a session without a window or a tray.
class SilentSounds final : public SoundCues {
  public:
    void play(const QString&) override {}
};
