#pragma once

#include <QString>

// The words of the whole-brain maintenance, as the owner sees them.

// The please-wait window's status.
inline const QString kStatusPreparing = "preparing..";
inline const QString kStatusChecking = "checking database..";
inline const QString kStatusRepairing = "repairing database..";
inline const QString kStatusBackuping = "backuping database..";
inline const QString kStatusRestoring = "restoring database..";
inline const QString kStatusExporting = "exporting database..";
inline const QString kStatusRebuilding = "rebuilding indexes..";

// Questions.
inline const QString kAskDisconnect =
    "Artificial Intelect will be disconnected from IRC server to prevent database errors! Do you "
    "want to continue?";
inline const QString kAskRepair =
    "Do you want to check and repair database now? It can take some time to complete!";
inline const QString kAskBackup =
    "Do you want to create a quick backup of entire Q.I.V.O™ database now? It can take some time "
    "to complete!";
inline const QString kAskRebuild =
    "Do you want to rebuild indexes of the entire Q.I.V.O™ database now? Sometimes it can take a "
    "long time to complete!";
inline QString AskRestore(const QString& fileName) {
    return "Do you want to restore entire Q.I.V.O™ database from the selected backup file \"" +
           fileName + "\" now? It can take some time to complete!";
}
inline QString AskErase(const QString& fileName) {
    return "Do you want to erase selected backup file \"" + fileName + "\"?";
}

// Outcomes.
inline const QString kRepairFailed = "Database repair failed!";
inline const QString kRepaired = "Database checked and repaired.";
inline const QString kBackupError = "Backup error!";
inline const QString kBackupSuccess = "Backup success.";
inline const QString kRestoreError = "Restore error!";
inline const QString kRestoreSuccess = "Restore success.";
inline const QString kRebuildComplete = "Database index rebuild complete.";
inline const QString kRebuildFailed = "Database index rebuild failed!";
inline const QString kRenamed = "Backup file renamed.";
inline const QString kCouldNotDelete = "Could not delete file.";
inline const QString kFileMissing = "File does not exist!";
inline const QString kErased = "Backup file erased.";
