#include "console_commands.h"

#include "app/headless_outside.h"
#include "app/one_shot.h"
#include "engine/program_home.h"
#include "engine/settings.h"
#include "ui/language_window.h"
#include "ui/update_check.h"

#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>

namespace {

// The home as the program would start on it: seeded, its settings read.
bool LoadHomeSettings(const ProgramHome& home, Settings& settings) {
    try {
        SeedProgramHome(home.root(), ShippedDataFolder());
        LoadSettings(settings, home.path("Main/Options.ini"));
        return true;
    } catch (const std::exception& e) {
        TerminalNotifications().error(QString::fromUtf8(e.what()));
        return false;
    }
}

}  // namespace

int RunLanguage(OneShotRun& run) {
    const ProgramHome home(run.home.path());
    const QString code = run.args.value("language");
    Settings settings;
    if (!SetLanguageMode(settings, code))
        return UsageError("--language takes \"en\" or \"lv\", not \"" + code + "\".");
    if (!LoadHomeSettings(home, settings)) return kExitFailure;
    SetLanguageMode(settings, code);
    try {
        SaveSettings(settings, home.path("Main/Options.ini"), QDate::currentDate());
    } catch (const SettingsFileError& e) {
        TerminalNotifications().error(QString::fromUtf8(e.what()));
        return kExitFailure;
    }
    WriteStdout(code == "lv" ? "Latvian Language Mode" : "English Language Mode");
    return kExitSuccess;
}

int RunCheckUpdates(OneShotRun& run) {
    const ProgramHome home(run.home.path());
    Settings settings;
    if (!LoadHomeSettings(home, settings)) return kExitFailure;
    const QString hub = settings.hubServerAddress.trimmed();
    if (hub.isEmpty()) {
        WriteStdout("A.I. > No Q.I.V.O™ Hub Server™ address is set: updates are not checked.");
        return kExitSuccess;
    }
    WriteStdout("A.I. > Checking for Q.I.V.O™ update(s)..");
    UpdateCheck check;
    UpdateOutcome outcome;
    QEventLoop loop;
    QObject::connect(&check, &UpdateCheck::finished, &loop, [&](const UpdateOutcome& found) {
        outcome = found;
        loop.quit();
    });
    check.CheckForUpdates(MetaAddress(hub),
                          LocalVersion(home, QCoreApplication::applicationVersion()));
    loop.exec();
    for (const QString& line : UpdateLines(outcome))
        WriteStdout(line);
    if (outcome.kind != UpdateOutcome::Kind::Failed) return kExitSuccess;
    TerminalNotifications().error(UpdateMessage(outcome));
    return kExitFailure;
}
