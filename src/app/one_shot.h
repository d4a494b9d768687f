#pragma once

#include "app/headless_outside.h"
#include "pipeline/session.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <functional>
#include <memory>
#include <vector>

// One-shot commands: a job on a home without windows, done when the program ends. Each is one
// row of OneShotCommands(); a command prints the system's own texts and returns the exit code.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the reason is on stderr
inline constexpr int kExitUsage = 2;    // a usage error, or the home is in use

// The home a one-shot command works on, its brain reached only when the command asks for it.
class OneShotHome {
  public:
    explicit OneShotHome(QString home);
    const QString& path() const { return home_; }
    // Reaches the home's brain, starting the home's own server when it is down (and stopping it
    // again at the end). False after stderr said why.
    bool reach();
    // After reach(): the brain as a maintenance job takes it.
    MaintainedBrain brain();
    Engine& engine() { return session_->engine(); }

  private:
    QString home_;
    TerminalOutside terminal_;
    std::unique_ptr<Session> session_;
};

struct OneShotRun {
    const QCommandLineParser& args;
    OneShotHome& home;
};

struct OneShotCommand {
    QCommandLineOption option;
    // Options that only go with this command.
    QList<QCommandLineOption> modifiers;
    std::function<int(OneShotRun&)> run;
};

const std::vector<OneShotCommand>& OneShotCommands();
// Whether the raw arguments name a one-shot command, before the application exists: such a run
// never opens a window.
bool NamesOneShot(const QStringList& arguments);
void AddOneShotOptions(QCommandLineParser& parser);
// The command the parsed line asks for; null when none. A usage error (two commands, or a
// modifier without its command) is put into `error`.
const OneShotCommand* AskedOneShot(const QCommandLineParser& parser, QString& error);
// Writes a usage error to stderr and gives its exit code.
int UsageError(const QString& text);

// Reaches the brain and runs `job` on it, its outcome on stdout or stderr.
template <typename Job>
int RunJob(OneShotRun& run, Job job) {
    if (!run.home.reach()) return kExitFailure;
    MaintainedBrain brain = run.home.brain();
    TerminalJobView view;
    return ReportJob(job(brain, view));
}
