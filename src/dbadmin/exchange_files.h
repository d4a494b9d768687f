#pragma once

#include <QString>
#include <QStringList>

// The data files of a home: archives "N.xpt" in MySQL/Exchange, each holding N.sql and N.txt.
// The archive is always written whole under a temporary name and renamed over the old one, so
// no change ever loses a data file.

QString ExchangeFolder(const QString& home);
// The data files' names with ".xpt", in name order.
QStringList ListDataFiles(const QString& folder);
// Removes the "*.sql" and "*.txt" files a broken run may have left in the folder.
void RemoveLeftovers(const QString& folder);

// The stem of a data file's name: "brain" of "brain.xpt".
QString DataFileStem(const QString& fileName);
// The path of `fileName`, which must be a name in `folder`, never a path; empty otherwise.
QString DataFilePath(const QString& folder, const QString& fileName);

// The description the data file carries; throws ArchiveError.
QString ReadDescription(const QString& path);
// The exported rows the data file carries; throws ArchiveError.
QByteArray ReadRows(const QString& path);
// Writes the data file `stem`.xpt into `folder` from its rows and description.
void WriteDataFile(const QString& folder, const QString& stem, const QByteArray& rows,
                   const QString& description);

// Each throws ArchiveError with the system's words when it cannot be done.
void ModifyDescription(const QString& folder, const QString& fileName, const QString& description);
// Gives the data file the name `answer` cleaned as an export's name; returns the new name with
// ".xpt", or empty when the cleaned answer is empty and nothing changed. A data file of the new
// name is never replaced.
QString RenameDataFile(const QString& folder, const QString& fileName, const QString& answer);
void EraseDataFile(const QString& folder, const QString& fileName);
// Copies a file dropped on the manager into the folder; false when it is no data file by name.
bool AcceptDroppedFile(const QString& folder, const QString& path);
