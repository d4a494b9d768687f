#include "maintenance_jobs.h"

#include "backup_files.h"
#include "brain/query.h"
#include "brain_dump.h"
#include "clearing.h"
#include "dump_file.h"
#include "engine/outside.h"
#include "index_renumbering.h"
#include "job_steps.h"
#include "maintenance_texts.h"
#include "tool_error.h"

JobResult RepairDatabase(MaintainedBrain& brain, JobView& view, const QString& status) {
    return Run(brain, kRepairFailed, [&] {
        view.status(status);
        RepairDatabaseFiles(brain, view);
        return JobResult{true, kRepaired, {}};
    });
}

JobResult QuickBackup(MaintainedBrain& brain, JobView& view) {
    return Run(brain, kBackupError, [&] {
        CheckFirst(brain, view);
        view.status(kStatusBackuping);
        view.pause(1200);
        const Dump dump =
            DumpBrain(brain.db.config(), BackupsOf(brain), QuickBackupStem(brain.clock.now()));
        return JobResult{true, kBackupSuccess, BackupsOf(brain) + '/' + dump.fileName};
    });
}

JobResult RestoreBackup(MaintainedBrain& brain, JobView& view, const QString& fileName) {
    return Run(brain, kRestoreError, [&] {
        view.status(kStatusRestoring);
        const QString path = BackupsOf(brain) + '/' + fileName;
        const QString fault = StaysInFolder(fileName) ? DumpFault(path) : "is no file name";
        if (!fault.isEmpty())
            throw JobFailure{kRestoreError, "The file \"" + fileName + "\" " + fault +
                                                ". The database was not changed."};
        view.status(kStatusBackuping);
        // What can be read: a brain with a damaged table is just what a restore is for.
        const Dump safety = SafetyBackupFirst(brain, view, "BEFORE_RESTORE", DumpScope::Salvage,
                                              {kRestoreError, "restored"});
        view.status(kStatusRestoring);
        try {
            LoadDump(brain.db.config(), path);
        } catch (const ToolError& e) {
            throw JobFailure{kRestoreError, e.message() + '\n' + LoadSafetyBackup(brain, safety)};
        }
        view.pause(1000);
        view.status(kStatusChecking);
        RepairDatabaseFiles(brain, view);
        view.pause(1200);
        return JobResult{true, kRestoreSuccess,
                         "Restored from " + fileName + ". The brain as it was before is kept in " +
                             safety.fileName + "."};
    });
}

JobResult RebuildDatabase(MaintainedBrain& brain, JobView& view) {
    return Run(brain, kRebuildFailed, [&] {
        CheckFirst(brain, view);
        view.status(kStatusExporting);
        view.pause(1000);
        const Dump safety = SafetyBackupFirst(brain, view, "BEFORE_REBUILD", DumpScope::Whole,
                                              {kBackupError, "renumbered"});
        view.pause(1000);
        view.status(kStatusRebuilding);
        try {
            for (const Renumbered& table : RenumberIndexes(brain.db))
                view.report(
                    QStringLiteral("Renumbered %1: %2 rows.").arg(table.table).arg(table.rows));
        } catch (const DbError& e) {
            view.status(kStatusRestoring);
            throw JobFailure{kRebuildFailed, e.message() + '\n' + LoadSafetyBackup(brain, safety)};
        }
        view.pause(1000);
        view.status(kStatusChecking);
        RepairDatabaseFiles(brain, view);
        return JobResult{true, kRebuildComplete,
                         "The brain as it was before is kept in " + safety.fileName + "."};
    });
}

JobResult ClearBrainArea(MaintainedBrain& brain, const ClearingArea& area,
                         const ClearingCriteria& criteria, const QString& defaultChannel) {
    return Run(brain,
               "Clearing stopped at a database error; tables cleared before it stay cleared.", [&] {
                   return JobResult{true, ClearArea(brain.db, area, criteria, defaultChannel), {}};
               });
}
