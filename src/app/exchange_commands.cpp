#include "exchange_commands.h"

#include "app/one_shot.h"
#include "dbadmin/exchange_archive.h"
#include "dbadmin/exchange_files.h"
#include "dbadmin/exchange_jobs.h"
#include "dbadmin/exchange_texts.h"
#include "dbadmin/maintenance_texts.h"

#include <QFileInfo>
#include <QSet>

namespace {

int Fail(const QString& text) {
    TerminalNotifications().error(text);
    return kExitFailure;
}

QString ItemCaptions() {
    QStringList captions;
    for (const ExchangeItem& item : ExchangeItems())
        captions << item.caption;
    return captions.join(", ");
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

}  // namespace

QList<QCommandLineOption> ExportModifiers() {
    return {
        {"items",
         "With --export: the items to export, as the manager's check boxes name them "
         "(\"Positives,Negatives\"), separated by commas.",
         "LIST"},
        {"description",
         "With --export: the data file's description; without it the items are named.", "TEXT"},
    };
}

int RunExport(OneShotRun& run) {
    ExportRequest request;
    QSet<const ExchangeItem*> asked;
    for (const QString& caption : run.args.value("items").split(',', Qt::SkipEmptyParts)) {
        const ExchangeItem* item = FindExchangeItem(caption);
        if (!item)
            return UsageError("There is no export item \"" + caption.trimmed() +
                              "\". The items are: " + ItemCaptions() + ".");
        asked.insert(item);
    }
    // In the items' own order, each once, whatever the order asked.
    for (const ExchangeItem& item : ExchangeItems())
        if (asked.contains(&item)) request.items << &item;
    if (request.items.isEmpty()) return UsageError(kSelectAnItem + " (--items)");
    request.stem = CleanDataFileName(run.args.value("export"));
    if (request.stem.isEmpty())
        return UsageError(kExportCanceled + " A data file's name is 1 to 25 characters long.");
    request.description = run.args.value("description");
    const QString target = ExchangeFolder(run.home.path()) + '/' + request.stem + ".xpt";
    if (QFileInfo::exists(target))
        return Fail(kFileExists + " " + target +
                    " was left as it is: erase it first or choose another name.");
    return RunJob(run, [&](MaintainedBrain& brain, JobView& view) {
        return ExportData(brain, view, request);
    });
}

int RunImport(OneShotRun& run) {
    const QString file = run.args.value("import");
    const QString path = DataFileToImport(run.home.path(), file);
    if (path.isEmpty()) return Fail(kFileMissing + " " + file);
    return RunJob(
        run, [&](MaintainedBrain& brain, JobView& view) { return ImportData(brain, view, path); });
}

int RunListDataFiles(OneShotRun& run) {
    const QString folder = ExchangeFolder(run.home.path());
    for (const QString& name : ListDataFiles(folder)) {
        QString description;
        try {
            description = ReadDescription(folder + '/' + name);
        } catch (const ArchiveError& e) {
            description = e.message();
        }
        WriteStdout(name + '\t' + description.replace('\n', ' '));
    }
    return kExitSuccess;
}
