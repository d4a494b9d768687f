#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The backups of a home: dump files ("*.sql") in MySQL/backups, reached by their names only. A
// name is never a path: whatever a user types or a command line passes, no file outside the
// folder is read, written, renamed or erased.

QString BackupFolder(const QString& home);
// The backup files' names in name order; none when the folder does not exist.
QStringList ListBackups(const QString& folder);

// "TX3_" + date "YYYYMMDD" + "_" + time "HHMM": a quick backup's name without ".sql".
QString QuickBackupStem(const QDateTime& at);
// `stem` + ".sql", or with "_2", "_3".. when that name is taken: no backup is overwritten.
QString FreeBackupName(const QString& folder, const QString& stem);
// A name that stays inside the folder and means nothing to any program: letters, digits, "_",
// "-" and ".", not beginning with a ".".
bool IsPlainName(const QString& name);
// A name of a file in the folder as it may already be there, blanks and all, but no path.
bool StaysInFolder(const QString& name);

enum class RenameOutcome {
    Renamed,
    WrongLength,  // the new name is not 1 to 25 characters long: nothing changes, silently
    NotAName,     // the new name is not a plain name
    Taken,        // a file of the new name exists
    Failed,       // the file system refused
};
struct Rename {
    RenameOutcome outcome;
    QString newName;  // with ".sql"
    QString error;    // what the file system said
};
// Gives backup `oldName` the name `answer` + ".sql"; blanks of the answer become "_".
Rename RenameBackup(const QString& folder, const QString& oldName, const QString& answer);

enum class EraseOutcome { Erased, CouldNotDelete, Missing };
EraseOutcome EraseBackup(const QString& folder, const QString& name);
