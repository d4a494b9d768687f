// talvane: the chat character with its console window, or headless for servers and scripts.

#include "app/headless_outside.h"
#include "app/quit_signals.h"
#include "app/stdin_feeder.h"
#include "engine/home_lock.h"
#include "engine/program_home.h"
#include "pipeline/session.h"
#include "ui/additional_console.h"
#include "ui/main_console.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <memory>

namespace {

struct Options {
    bool headless = false;
    QString home;
};

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen";
}

Options ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Q.I.V.O™ Quenmark Talvane™, a trainable chat character.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption headless("headless",
                                      "Run without windows: console lines on stdout, "
                                      "the owner's phrases from stdin.");
    const QCommandLineOption home("home", "Use DIR as the program home.", "DIR");
    parser.addOption(headless);
    parser.addOption(home);
    parser.process(arguments);
    return Options{parser.isSet(headless), parser.value(home)};
}

int RunHeadless(Session& session, QCoreApplication& app) {
    if (!session.prepare() || !session.start()) return 1;
    StdinFeeder feeder(session.engine());
    int code = 0;
    QObject::connect(&session, &Session::ready, &feeder, &StdinFeeder::start);
    QObject::connect(&feeder, &StdinFeeder::finished, &app, &QCoreApplication::quit);
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
    NoIrc irc;
    Session session(home, window.outside(&clock, &random, &irc, &additional));
    if (!session.prepare()) return 1;
    window.show();
    if (!session.start()) return 1;
    additional.attach(session.engine());
    QObject::connect(&window, &MainConsole::additionalConsoleRequested, &additional,
                     &AdditionalConsole::showWindow);
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
    bool headless = arguments.contains("--headless") || !DisplayAvailable();
    std::unique_ptr<QCoreApplication> app;
    if (headless) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("Q.I.V.O™");
    QCoreApplication::setApplicationVersion(TALVANE_VERSION);
    const Options options = ParseOptions(arguments);
    QuitOnTerminationSignals();
    const QString home = ResolveHomeFolder(options.home);
    HomeLock lock(home);
    if (const HomeLock::Outcome taken = lock.take(); taken != HomeLock::Outcome::Taken) {
        ReportRefusal(lock.refusal(), headless);
        return taken == HomeLock::Outcome::InUse ? 2 : 1;
    }
    if (!headless) return RunGui(home);
    // Asked for or not, a script sees the same first line.
    WriteStdout(
        "Running headless: console lines go to stdout, the owner's phrases come from stdin.");
    StdoutConsole console;
    StdoutAdditionalConsole additional;
    TerminalNotifications notifications;
    SilentSounds sounds;
    NoIrc irc;
    SystemClock clock;
    SystemRandom random;
    Session session(home,
                    Outside{&console, &additional, &notifications, &sounds, &irc, &clock, &random});
    return RunHeadless(session, *app);
}
