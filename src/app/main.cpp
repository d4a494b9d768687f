// talvane: the chat character with its console window, or headless for servers and scripts.

#include "app/headless_outside.h"
#include "app/one_shot.h"
#include "app/program_signals.h"
#include "app/stdin_feeder.h"
#include "dbadmin/maintenance_texts.h"
#include "engine/home_lock.h"
#include "engine/program_home.h"
#include "pipeline/session.h"
#include "ui/additional_console.h"
#include "ui/clearing_panel.h"
#include "ui/main_console.h"
#include "ui/maintenance_panel.h"
#include "ui/settings_panel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <memory>
#include <optional>

namespace {

struct Options {
    bool headless = false;
    QString home;
    const OneShotCommand* oneShot = nullptr;
};

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen";
}

// Fills `options`; returns the exit code when the command line ends the program here (a usage
// error; --help and --version end it themselves).
std::optional<int> ParseOptions(QCommandLineParser& parser, const QStringList& arguments,
                                Options& options) {
    parser.setApplicationDescription("Q.I.V.O™ Quenmark Talvane™, a trainable chat character.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption headless("headless",
                                      "Run without windows: console lines on stdout, "
                                      "the owner's phrases from stdin.");
    const QCommandLineOption home("home", "Use DIR as the program home.", "DIR");
    parser.addOption(headless);
    parser.addOption(home);
    AddOneShotOptions(parser);
    if (!parser.parse(arguments)) return UsageError(parser.errorText());
    if (parser.isSet(help)) parser.showHelp(kExitSuccess);
    if (parser.isSet(version)) parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return UsageError("Unexpected argument \"" + parser.positionalArguments().first() + "\".");
    QString error;
    options.oneShot = AskedOneShot(parser, error);
    if (!error.isEmpty()) return UsageError(error);
    options.headless = parser.isSet(headless);
    options.home = parser.value(home);
    return std::nullopt;
}

// Leaves IRC with the quit message, then ends the event loop.
void LeaveAndQuit(Session& session) {
    session.online().Leave([] { QCoreApplication::quit(); });
}

// With "Automatic Q.I.V.O™ Startup" checked the program is a service: it goes online and stays
// until SIGTERM or SIGINT, whether stdin ends or there is none; stdin lines still reach it as the
// owner's phrases. Without it, the end of stdin ends the program.
int RunHeadless(Session& session, QCoreApplication& app) {
    if (!session.prepare() || !session.start()) return 1;
    const bool service = session.engine().state.settings.automaticStartup;
    StdinFeeder feeder(session.engine());
    int code = 0;
    HandleProgramSignals([&] { LeaveAndQuit(session); },
                         [&] { session.online().PauseArtificialIntelect(); });
    QObject::connect(&session, &Session::firstRunCheckDue, &app, [&] {
        MaintainedBrain brain = session.maintained();
        TerminalJobView view;
        ReportJob(RepairDatabase(brain, view, kStatusChecking));
    });
    QObject::connect(&session, &Session::ready, &feeder, &StdinFeeder::start);
    if (!service)
        QObject::connect(&feeder, &StdinFeeder::finished, &app, [&] { LeaveAndQuit(session); });
    QObject::connect(&session, &Session::fatal, &app, [&] {
        code = 1;
        app.quit();
    });
    app.exec();
    session.shutdown();
    return code;
}

int RunGui(const QString& home) {
    MainConsole window;
    AdditionalConsole additional;
    SystemClock clock;
    SystemRandom random;
    Session session(home, window.outside(&clock, &random, &additional));
    if (!session.prepare()) return 1;
    window.show();
    if (!session.start()) return 1;
    additional.attach(session.engine());
    window.attach(session.engine());
    QObject::connect(&session, &Session::ready, &window,
                     [&] { window.startUpStep(session.firstRun()); });
    QObject::connect(&window, &MainConsole::lonelyTalkingSwitched, &session, [&](bool on) {
        if (!on) return session.lonely().LonelyTimer.stop();
        if (!session.engine().state.stores.TimerStore.isEmpty())
            session.lonely().StartLonelyTimer();
    });
    QObject::connect(&window, &MainConsole::additionalConsoleRequested, &additional,
                     &AdditionalConsole::showWindow);
    IrcOnline& online = session.online();
    // Made after the console, so it leaves the console's "Maintenance" tab before the tab goes.
    MaintenancePanel maintenance(session.engine(), session.maintained());
    window.settingsPanel()->hostMaintenance(&maintenance);
    ClearingPanel& clearing = *window.settingsPanel()->clearingPanel();
    clearing.setHold(&session);
    QObject::connect(&clearing, &ClearingPanel::stopRequested, &online,
                     &IrcOnline::StopArtificialIntelect);
    maintenance.setScene({&window, &additional, nullptr});
    QObject::connect(&maintenance, &MaintenancePanel::stopRequested, &online,
                     &IrcOnline::StopArtificialIntelect);
    QObject::connect(&session, &Session::firstRunCheckDue, &maintenance,
                     &MaintenancePanel::FirstRunCheck);
    QObject::connect(&window, &MainConsole::startRequested, &online,
                     &IrcOnline::StartArtificialIntelect);
    QObject::connect(&window, &MainConsole::pauseRequested, &online,
                     &IrcOnline::PauseArtificialIntelect);
    QObject::connect(&window, &MainConsole::stopRequested, &online,
                     &IrcOnline::StopArtificialIntelect);
    QObject::connect(&online, &IrcOnline::controlsChanged, &window,
                     &MainConsole::showOnlineControls);
    // A quit shows as a warning, the other comings and goings as activity.
    QObject::connect(&online.membership(), &ChannelMembership::trayCue, &window,
                     [&window](const QString& icon) {
                         window.tray().cue(icon.contains("red") ? ConsoleTray::Cue::Warning
                                                                : ConsoleTray::Cue::Activity);
                     });
    // Whatever goes to the cycle blinks the icon inverted.
    const auto blinkInverted = [&window] { window.tray().cue(ConsoleTray::Cue::Input); };
    QObject::connect(&online, &IrcOnline::messageTaken, &window, blinkInverted);
    QObject::connect(&additional, &AdditionalConsole::phraseTaken, &window, blinkInverted);
    // Closing the console first leaves IRC.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &MainConsole::closing, qApp, [&] { LeaveAndQuit(session); });
    HandleProgramSignals([&] { LeaveAndQuit(session); }, [&] { online.PauseArtificialIntelect(); });
    int code = 0;
    QObject::connect(&session, &Session::fatal, qApp, [&] {
        code = 1;
        qApp->quit();
    });
    qApp->exec();
    additional.saveHistory();
    session.shutdown();
    return code;
}

// A program that cannot start says why on stderr, and with a window where it would have one.
void ReportRefusal(const QString& text, bool headless) {
    TerminalNotifications().error(text);
    if (!headless) QMessageBox::critical(nullptr, "Q.I.V.O™", text);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    bool headless =
        arguments.contains("--headless") || NamesOneShot(arguments) || !DisplayAvailable();
    std::unique_ptr<QCoreApplication> app;
    if (headless) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("Q.I.V.O™");
    QCoreApplication::setApplicationVersion(TALVANE_VERSION);
    QCommandLineParser parser;
    Options options;
    if (const std::optional<int> code = ParseOptions(parser, arguments, options)) return *code;
    HandleProgramSignals([] { QCoreApplication::quit(); }, [] {});
    const QString home = ResolveHomeFolder(options.home);
    HomeLock lock(home);
    if (const HomeLock::Outcome taken = lock.take(); taken != HomeLock::Outcome::Taken) {
        ReportRefusal(lock.refusal(), headless);
        return taken == HomeLock::Outcome::InUse ? kExitUsage : kExitFailure;
    }
    if (options.oneShot) {
        OneShotHome oneShotHome(home);
        OneShotRun run{parser, oneShotHome};
        return options.oneShot->run(run);
    }
    if (!headless) return RunGui(home);
    // Asked for or not, a script sees the same first line.
    WriteStdout(
        "Running headless: console lines go to stdout, the owner's phrases come from stdin.");
    TerminalOutside terminal;
    Session session(home, terminal.outside());
    return RunHeadless(session, *app);
}
