#include "backup_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString PathIn(const QString& folder, const QString& name) {
    return folder + '/' + name;
}

}  // namespace

QString BackupFolder(const QString& home) {
    return home + "/MySQL/backups";
}

QStringList ListBackups(const QString& folder) {
    // Without QDir::CaseSensitive the mask also finds "REBUILD.SQL".
    return QDir(folder).entryList({"*.sql"}, QDir::Files, QDir::Name);
}

QString QuickBackupStem(const QDateTime& at) {
    return "TX3_" + at.toString("yyyyMMdd") + "_" + at.toString("HHmm");
}

QString FreeBackupName(const QString& folder, const QString& stem) {
    QString name = stem + ".sql";
    for (int n = 2; QFileInfo::exists(PathIn(folder, name)); ++n)
        name = stem + "_" + QString::number(n) + ".sql";
    return name;
}

bool IsPlainName(const QString& name) {
    if (name.isEmpty() || name.startsWith('.')) return false;
    for (const QChar c : name)
        if (!c.isLetterOrNumber() && c != '_' && c != '-' && c != '.') return false;
    return true;
}

bool StaysInFolder(const QString& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains(QChar(0));
}

Rename RenameBackup(const QString& folder, const QString& oldName, const QString& answer) {
    const QString stem = QString(answer).replace(' ', '_');
    if (stem.isEmpty() || stem.size() > 25) return {RenameOutcome::WrongLength, {}, {}};
    const QString newName = stem + ".sql";
    if (!IsPlainName(stem) || !StaysInFolder(oldName))
        return {RenameOutcome::NotAName, newName, {}};
    if (QFileInfo::exists(PathIn(folder, newName))) return {RenameOutcome::Taken, newName, {}};
    QFile file(PathIn(folder, oldName));
    // Qt's rename never replaces an existing file, should one appear meanwhile.
    if (!file.rename(PathIn(folder, newName)))
        return {RenameOutcome::Failed, newName, file.errorString()};
    return {RenameOutcome::Renamed, newName, {}};
}

EraseOutcome EraseBackup(const QString& folder, const QString& name) {
    const QString path = PathIn(folder, name);
    if (!StaysInFolder(name) || !QFileInfo(path).isFile()) return EraseOutcome::Missing;
    return QFile::remove(path) ? EraseOutcome::Erased : EraseOutcome::CouldNotDelete;
}
