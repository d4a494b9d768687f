#include "maintenance_jobs.h"

#include "backup_files.h"
#include "brain/query.h"
#include "brain_dump.h"
#include "clearing.h"
#include "dump_file.h"
#include "engine/outside.h"
#include "index_renumbering.h"
#include "maintenance_texts.h"
#include "table_repair.h"
#include "tool_error.h"

namespace {

// A step that fails ends its job with this outcome.
struct JobFailure {
    QString text;
    QString detail;
};

// From the first step to the last, nobody else uses the brain; afterwards the query object
// connects anew, so that no statement, table state or copy from before the job is used again.
class BrainToItself {
  public:
    explicit BrainToItself(MaintainedBrain& brain) : brain_(brain) {
        if (brain_.others) brain_.others->hold();
    }
    ~BrainToItself() {
        brain_.db.disconnect();
        brain_.db.catalogue().forget();
        if (brain_.others) brain_.others->release();
    }
    BrainToItself(const BrainToItself&) = delete;
    BrainToItself& operator=(const BrainToItself&) = delete;

  private:
    MaintainedBrain& brain_;
};

template <typename Steps>
JobResult Run(MaintainedBrain& brain, const QString& failure, Steps steps) {
    try {
        const BrainToItself own(brain);
        // Connecting checks that a managed home's server is its own before any tool runs.
        brain.db.connect();
        return steps();
    } catch (const JobFailure& f) {
        return {false, f.text, f.detail};
    } catch (const ToolError& e) {
        return {false, failure, e.message()};
    } catch (const DbError& e) {
        return {false, failure, e.message()};
    }
}

QString Folder(const MaintainedBrain& brain) {
    return BackupFolder(brain.home);
}

// The brain as it is now, in a backup named for what is about to happen to it.
Dump SafetyBackup(MaintainedBrain& brain, JobView& view, const QString& before, DumpScope scope) {
    const Dump dump = DumpBrain(brain.db.config(), Folder(brain),
                                before + "_" + brain.clock.now().toString("yyyyMMdd_HHmm"), scope);
    view.report("The brain as it was is kept in the backup file " + dump.fileName + ".");
    if (!dump.missing.isEmpty())
        view.report("What could not be read is missing from it: " + dump.missing);
    return dump;
}

// What a job that could not keep the brain as it was says, and what it did not do therefore.
struct Refusal {
    QString text;
    QString notDone;
};

// The safety backup a job takes before it changes tables; without it the job does nothing.
Dump SafetyBackupFirst(MaintainedBrain& brain, JobView& view, const QString& before,
                       DumpScope scope, const Refusal& refusal) {
    try {
        return SafetyBackup(brain, view, before, scope);
    } catch (const ToolError& e) {
        throw JobFailure{refusal.text,
                         "No safety backup of the brain could be written, so nothing was " +
                             refusal.notDone + ": " + e.message()};
    }
}

// The check tool first; REPAIR TABLE only on the tables it found damaged, and only once a
// backup of what can still be read exists.
void RepairDatabaseFiles(MaintainedBrain& brain, JobView& view) {
    CheckReport check;
    try {
        check = CheckTables(brain.db.config());
    } catch (const ToolError& e) {
        throw JobFailure{kRepairFailed, e.message()};
    }
    for (const QString& line : std::as_const(check.lines))
        view.report(line);
    if (check.damaged.isEmpty()) {
        view.report(
            QStringLiteral("All %1 tables are sound; none needed a repair.").arg(check.checked));
        return;
    }
    view.report("Damaged: " + check.damaged.join(", ") + ".");
    try {
        SafetyBackup(brain, view, "BEFORE_REPAIR", DumpScope::Salvage);
    } catch (const ToolError& e) {
        throw JobFailure{kRepairFailed,
                         "No backup could be written before the repair, so nothing was "
                         "repaired: " +
                             e.message()};
    }
    try {
        for (const QString& line : RepairTables(brain.db, check.damaged))
            view.report(line);
    } catch (const ToolError& e) {
        throw JobFailure{kRepairFailed, e.message()};
    } catch (const DbError& e) {
        throw JobFailure{kRepairFailed, e.message()};
    }
    view.report("Repaired: " + check.damaged.join(", ") + ".");
}

// A backup or a rebuild reads the whole brain: it is checked and repaired first.
void CheckFirst(MaintainedBrain& brain, JobView& view) {
    view.status(kStatusChecking);
    RepairDatabaseFiles(brain, view);
    view.pause(1000);
}

// Loads the safety backup after a failed change; says what became of the brain.
QString LoadSafetyBackup(MaintainedBrain& brain, const Dump& safety) {
    try {
        LoadDump(brain.db.config(), Folder(brain) + '/' + safety.fileName);
        return "The brain was loaded back from the safety backup " + safety.fileName +
               ": it is as it was before.";
    } catch (const ToolError& e) {
        return "Loading the safety backup " + safety.fileName + " back failed too: " + e.message() +
               "\nRestore it from the backup box once the cause is mended.";
    }
}

}  // namespace

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
            DumpBrain(brain.db.config(), Folder(brain), QuickBackupStem(brain.clock.now()));
        return JobResult{true, kBackupSuccess, Folder(brain) + '/' + dump.fileName};
    });
}

JobResult RestoreBackup(MaintainedBrain& brain, JobView& view, const QString& fileName) {
    return Run(brain, kRestoreError, [&] {
        view.status(kStatusRestoring);
        const QString path = Folder(brain) + '/' + fileName;
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
