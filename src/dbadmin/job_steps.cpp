#include "job_steps.h"

#include "backup_files.h"
#include "engine/outside.h"
#include "maintenance_texts.h"
#include "table_repair.h"

QString BackupsOf(const MaintainedBrain& brain) {
    return BackupFolder(brain.home);
}

Dump SafetyBackup(MaintainedBrain& brain, JobView& view, const QString& before, DumpScope scope) {
    const Dump dump = DumpBrain(brain.db.config(), BackupsOf(brain),
                                before + "_" + brain.clock.now().toString("yyyyMMdd_HHmm"), scope);
    view.report("The brain as it was is kept in the backup file " + dump.fileName + ".");
    if (!dump.missing.isEmpty())
        view.report("What could not be read is missing from it: " + dump.missing);
    return dump;
}

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

void CheckFirst(MaintainedBrain& brain, JobView& view) {
    view.status(kStatusChecking);
    RepairDatabaseFiles(brain, view);
    view.pause(1000);
}

QString LoadSafetyBackup(MaintainedBrain& brain, const Dump& safety) {
    try {
        LoadDump(brain.db.config(), BackupsOf(brain) + '/' + safety.fileName);
        return "The brain was loaded back from the safety backup " + safety.fileName +
               ": it is as it was before.";
    } catch (const ToolError& e) {
        return "Loading the safety backup " + safety.fileName + " back failed too: " + e.message() +
               "\nRestore it from the backup box once the cause is mended.";
    }
}
