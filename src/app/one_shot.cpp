#include "one_shot.h"

#include "app/clear_command.h"
#include "app/console_commands.h"
#include "app/exchange_commands.h"
#include "app/maintenance_commands.h"
#include "dbadmin/startup_checks.h"

OneShotHome::OneShotHome(QString home) : home_(std::move(home)) {}

bool OneShotHome::reach() {
    if (session_) return true;
    auto session = std::make_unique<Session>(home_, terminal_.outside());
    if (!session->prepare()) return false;
    const Reach reach = ReachBrain(session->engine().db, session->server(), WaitWithEventLoop);
    if (!reach.reached) {
        terminal_.notifications.error(reach.failure.isEmpty() ? kNoConnectionMessage
                                                              : reach.failure);
        return false;
    }
    session_ = std::move(session);
    return true;
}

MaintainedBrain OneShotHome::brain() {
    return session_->maintained();
}

const std::vector<OneShotCommand>& OneShotCommands() {
    static const std::vector<OneShotCommand> commands = {
        {{"repair", "Check the brain's tables and repair the damaged ones."}, {}, RunRepair},
        {{"backup", "Write a quick backup of the brain into MySQL/backups."}, {}, RunBackup},
        {{"list-backups", "List the backup files of MySQL/backups."}, {}, RunListBackups},
        {{"restore", "Restore the brain from FILE, a backup file's name in MySQL/backups.", "FILE"},
         {},
         RunRestore},
        {{"rebuild", "Number the rows of every table with an index 1, 2, 3.. afresh."},
         {},
         RunRebuild},
        {{"clear",
          "Clear the brain area AREA, named by its button's caption (\"Question Responses\"). "
          "Without a criterion the settings' criteria apply.",
          "AREA"},
         ClearModifiers(),
         RunClear},
        {{"export", "Export the --items of the brain into the data file MySQL/Exchange/NAME.xpt.",
          "NAME"},
         ExportModifiers(),
         RunExport},
        {{"import", "Import the data file FILE, a path or a name in MySQL/Exchange.", "FILE"},
         {},
         RunImport},
        {{"list-data-files", "List the data files of MySQL/Exchange with their descriptions."},
         {},
         RunListDataFiles},
        {{"language", "Set the language mode, en or lv, as the first-run window does.", "en|lv"},
         {},
         RunLanguage},
        {{"check-updates", "Ask the Hub Server of the settings for a newer version."},
         {},
         RunCheckUpdates},
    };
    return commands;
}

bool NamesOneShot(const QStringList& arguments) {
    for (const OneShotCommand& command : OneShotCommands())
        for (const QString& name : command.option.names())
            for (const QString& argument : arguments)
                if (argument == "--" + name || argument.startsWith("--" + name + "=")) return true;
    return false;
}

void AddOneShotOptions(QCommandLineParser& parser) {
    for (const OneShotCommand& command : OneShotCommands()) {
        parser.addOption(command.option);
        for (const QCommandLineOption& modifier : command.modifiers)
            parser.addOption(modifier);
    }
}

const OneShotCommand* AskedOneShot(const QCommandLineParser& parser, QString& error) {
    const OneShotCommand* asked = nullptr;
    for (const OneShotCommand& command : OneShotCommands()) {
        if (!parser.isSet(command.option)) continue;
        if (asked) {
            error = "--" + asked->option.names().first() + " and --" +
                    command.option.names().first() + " cannot run together: give one command.";
            return nullptr;
        }
        asked = &command;
    }
    for (const OneShotCommand& command : OneShotCommands())
        for (const QCommandLineOption& modifier : command.modifiers)
            if (parser.isSet(modifier) && asked != &command) {
                error = "--" + modifier.names().first() + " goes only with --" +
                        command.option.names().first() + ".";
                return nullptr;
            }
    return asked;
}

int UsageError(const QString& text) {
    TerminalNotifications().error(text + " See --help.");
    return kExitUsage;
}
