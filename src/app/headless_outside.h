#pragma once

#include "dbadmin/maintenance_jobs.h"
#include "engine/engine.h"
#include "engine/outside.h"

// Headless mode is also the scripting interface: every main-console line goes to stdout as it
// stands, the additional console's views are prefixed "chat> " and "log> ".
class StdoutConsole final : public ConsoleView {
  public:
    void appendLine(const QString& line) override;
    void clear() override {}
    void setColour(ConsoleColour) override {}
    void setStatusLine(const QString&) override {}
};

class StdoutAdditionalConsole final : public AdditionalConsoleView {
  public:
    void chatLine(const QString& line) override;
    void logLine(const QString& line) override;
};

// No one to ask on a server: questions are answered No; errors go to stderr.
class TerminalNotifications final : public Notifications {
  public:
    void balloon(const QString& title, const QString& text) override;
    void information(const QString& text) override;
    void error(const QString& text) override;
    bool askYesNo(const QString& text) override;
};

void WriteStdout(const QString& line);

// A maintenance job without windows: each status and finding is a line, and nothing waits for
// the owner to read it.
class TerminalJobView final : public JobView {
  public:
    void status(const QString& text) override { WriteStdout(text); }
    void report(const QString& line) override { WriteStdout(line); }
    void pause(int) override {}
};
// The outcome on stdout, or on stderr when the job failed; the exit code says which.
int ReportJob(const JobResult& result);

// Everything a session without windows reaches the world through.
struct TerminalOutside {
    StdoutConsole console;
    StdoutAdditionalConsole additional;
    TerminalNotifications notifications;
    SilentSounds sounds;
    SystemClock clock;
    SystemRandom random;

    Outside outside() {
        return Outside{&console, &additional, &notifications, &sounds, nullptr, &clock, &random};
    }
};
