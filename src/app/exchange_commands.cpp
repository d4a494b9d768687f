#include "exchange_commands.h"

#include "app/headless_outside.h"
#include "dbadmin/exchange_archive.h"
#include "dbadmin/exchange_files.h"
#include "dbadmin/exchange_jobs.h"
#include "dbadmin/exchange_texts.h"
#include "dbadmin/maintenance_texts.h"
#include "pipeline/session.h"

#include <QFileInfo>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

// A job's statuses and findings as lines on stdout; nobody waits to read them.
class TerminalJobView final : public JobView {
  public:
    void status(const QString& text) override { WriteStdout(text); }
    void report(const QString& line) override { WriteStdout(line); }
    void pause(int) override {}
};

int Fail(const QString& text) {
    TerminalNotifications().error(text);
    return kFailed;
}

int Usage(const QString& text) {
    TerminalNotifications().error(text);
    return kUsage;
}

// Runs the job on the home's brain, with the home's server started for it when it is managed.
template <typename Job>
int OnTheBrain(const QString& home, Job job) {
    StdoutConsole console;
    StdoutAdditionalConsole additional;
    TerminalNotifications notifications;
    SilentSounds sounds;
    SystemClock clock;
    SystemRandom random;
    Session session(
        home, Outside{&console, &additional, &notifications, &sounds, nullptr, &clock, &random});
    if (!session.prepare()) return kFailed;
    TerminalJobView view;
    MaintainedBrain brain{session.engine().db, home, clock, nullptr};
    const JobResult result = job(brain, view);
    session.shutdown();
    if (!result.ok)
        return Fail(result.text + (result.detail.isEmpty() ? "" : '\n' + result.detail));
    WriteStdout(result.text);
    if (!result.detail.isEmpty()) WriteStdout(result.detail);
    return kDone;
}

QString ItemCaptions() {
    QStringList captions;
    for (const ExchangeItem& item : ExchangeItems())
        captions << item.caption;
    return captions.join(", ");
}

int Export(const QString& home, const ExchangeArguments& arguments) {
    ExportRequest request;
    const QStringList asked = arguments.items.split(',', Qt::SkipEmptyParts);
    for (const QString& caption : asked)
        if (!FindExchangeItem(caption))
            return Usage("There is no export item \"" + caption.trimmed() +
                         "\". The items are: " + ItemCaptions() + ".");
    // In the items' own order, each once, whatever the order asked.
    for (const ExchangeItem& item : ExchangeItems())
        for (const QString& caption : asked)
            if (FindExchangeItem(caption) == &item && !request.items.contains(&item))
                request.items << &item;
    if (request.items.isEmpty()) return Usage(kSelectAnItem + " (--items)");
    request.stem = CleanDataFileName(arguments.exportName);
    if (request.stem.isEmpty())
        return Usage(kExportCanceled + " A data file's name is 1 to 25 characters long.");
    request.description = arguments.description;
    const QString target = ExchangeFolder(home) + '/' + request.stem + ".xpt";
    if (QFileInfo::exists(target))
        return Fail(kFileExists + " " + target +
                    " was left as it is: erase it first or choose another name.");
    return OnTheBrain(home, [&](MaintainedBrain& brain, JobView& view) {
        return ExportData(brain, view, request);
    });
}

// A plain name is looked for in MySQL/Exchange first, with or without ".xpt".
QString DataFileToImport(const QString& home, const QString& file) {
    if (!file.contains('/'))
        for (const QString& name : {file, file + ".xpt"}) {
            const QString path = DataFilePath(ExchangeFolder(home), name);
            if (!path.isEmpty() && QFileInfo(path).isFile()) return path;
        }
    return QFileInfo(file).isFile() ? QFileInfo(file).absoluteFilePath() : QString();
}

int Import(const QString& home, const QString& file) {
    const QString path = DataFileToImport(home, file);
    if (path.isEmpty()) return Fail(kFileMissing + " " + file);
    return OnTheBrain(
        home, [&](MaintainedBrain& brain, JobView& view) { return ImportData(brain, view, path); });
}

// One line a data file: its name, a tab and its description on one line.
int List(const QString& home) {
    const QString folder = ExchangeFolder(home);
    for (const QString& name : ListDataFiles(folder)) {
        QString description;
        try {
            description = ReadDescription(folder + '/' + name);
        } catch (const ArchiveError& e) {
            description = e.message();
        }
        WriteStdout(name + '\t' + description.replace('\n', ' '));
    }
    return kDone;
}

}  // namespace

bool AsksForExchangeCommand(const QStringList& arguments) {
    for (const QString& argument : arguments)
        for (const QString option : {"--export", "--import", "--list-data-files"})
            if (argument == option || argument.startsWith(option + '=')) return true;
    return false;
}

int RunExchangeCommand(const QString& home, const ExchangeArguments& arguments) {
    const int commands = int(arguments.exporting) + int(arguments.importing) + int(arguments.list);
    if (commands != 1) return Usage("Give one of --export, --import and --list-data-files.");
    if (!arguments.exporting && (!arguments.items.isEmpty() || arguments.describe))
        return Usage("--items and --description belong to --export.");
    if (arguments.exporting) return Export(home, arguments);
    if (arguments.importing) return Import(home, arguments.importFile);
    return List(home);
}
