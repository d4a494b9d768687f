#include "maintenance_commands.h"

#include "app/one_shot.h"
#include "dbadmin/backup_files.h"
#include "dbadmin/maintenance_texts.h"

int RunRepair(OneShotRun& run) {
    return RunJob(run, [](MaintainedBrain& brain, JobView& view) {
        return RepairDatabase(brain, view, kStatusRepairing);
    });
}

int RunBackup(OneShotRun& run) {
    return RunJob(run, QuickBackup);
}

int RunListBackups(OneShotRun& run) {
    for (const QString& name : ListBackups(BackupFolder(run.home.path())))
        WriteStdout(name);
    return kExitSuccess;
}

int RunRestore(OneShotRun& run) {
    const QString fileName = run.args.value("restore");
    if (!StaysInFolder(fileName))
        return UsageError("--restore takes the name of a file in " + BackupFolder(run.home.path()) +
                          ", not a path.");
    return RunJob(run, [&](MaintainedBrain& brain, JobView& view) {
        return RestoreBackup(brain, view, fileName);
    });
}

int RunRebuild(OneShotRun& run) {
    return RunJob(run, RebuildDatabase);
}
