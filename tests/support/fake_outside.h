#pragma once

#include "engine/engine.h"
#include "engine/outside.h"

#include <QStringList>

#include <deque>

// Recording stand-ins for the engine's outside world.

class RecordingConsole final : public ConsoleView {
  public:
    void appendLine(const QString& line) override { lines << line; }
    void clear() override { ++clears; }
    void setColour(ConsoleColour c) override { colours.push_back(c); }
    void setStatusLine(const QString& status) override { statusLines << status; }
    QStringList lines, statusLines;
    std::vector<ConsoleColour> colours;
    int clears = 0;
};

class RecordingAdditionalConsole final : public AdditionalConsoleView {
  public:
    void chatLine(const QString& line) override { chat << line; }
    void logLine(const QString& line) override { log << line; }
    QStringList chat, log;
};

class RecordingNotifications final : public Notifications {
  public:
    void balloon(const QString& title, const QString& text) override {
        balloons << title + ": " + text;
    }
    void information(const QString& text) override { informations << text; }
    void error(const QString& text) override { errors << text; }
    bool askYesNo(const QString& text) override {
        questions << text;
        return answerYes;
    }
    QStringList balloons, informations, errors, questions;
    bool answerYes = true;
};

class RecordingSounds final : public SoundCues {
  public:
    void play(const QString& file) override { played << file; }
    QStringList played;
};

// Records every line as the wire would carry it; names compare as the ASCII case mapping does.
class RecordingIrc final : public IrcSender {
  public:
    bool IsConnected() const override { return online; }
    QString CurrentNick() const override { return nick; }
    bool SameName(const QString& a, const QString& b) const override {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }
    void SendRawLine(const QString& line) override { sent << line; }
    void SendPrivmsg(const QString& target, const QString& text) override {
        sent << "PRIVMSG " + target + " :" + text;
    }
    void SendNotice(const QString& target, const QString& text) override {
        sent << "NOTICE " + target + " :" + text;
    }
    void SendAction(const QString& target, const QString& text) override {
        sent << "ACTION " + target + " :" + text;
    }
    void JoinChannel(const QString& channel) override { sent << "JOIN " + channel; }
    void PartChannel(const QString& channel, const QString& reason) override {
        sent << "PART " + channel + " :" + reason;
    }
    void KickUser(const QString& channel, const QString& who, const QString& reason) override {
        sent << "KICK " + channel + ' ' + who + " :" + reason;
    }
    void SendQuit(const QString& reason) override {
        sent << "QUIT :" + reason;
        online = false;
    }
    void ChangeNick(const QString& wanted) override { nick = wanted; }
    bool online = false;
    QString nick = "TalvaneBOT";
    QStringList sent;
};

// A clock that stands where the test puts it.
class PinnedClock final : public Clock {
  public:
    QDateTime now() const override { return at; }
    QDateTime at = QDateTime(QDate(2026, 12, 9), QTime(12, 0, 0));
};

// Hands out the numbers a test queued, then zeros.
class ScriptedRandom final : public RandomSource {
  public:
    int bounded(int bound) override;
    std::deque<int> next;
};

struct FakeOutside {
    RecordingConsole console;
    RecordingAdditionalConsole additional;
    RecordingNotifications notifications;
    RecordingSounds sounds;
    RecordingIrc irc;
    PinnedClock clock;
    ScriptedRandom random;
    Outside outside() {
        return Outside{&console, &additional, &notifications, &sounds, &irc, &clock, &random};
    }
};
