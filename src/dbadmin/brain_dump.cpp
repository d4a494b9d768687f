#include "brain_dump.h"

#include "backup_files.h"
#include "database_tools.h"
#include "dump_file.h"
#include "tool_error.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A dump that got its name must survive a power cut: its bytes and its name reach the disk.
bool SyncToDisk(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Backups hold what people said to the character: they are the owner's alone, like the password.
void CreatePrivateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate,
                   QFile::ReadOwner | QFile::WriteOwner))
        throw ToolError("Cannot create " + path + ": " + file.errorString());
}

}  // namespace

Dump DumpBrain(const DbConfig& config, const QString& folder, const QString& stem,
               DumpScope scope) {
    if (!QDir().mkpath(folder)) throw ToolError("Cannot create the folder " + folder + ".");
    const QString name = FreeBackupName(folder, stem);
    const QString partial = folder + "/." + name + ".part";
    CreatePrivateFile(partial);
    QStringList arguments = {"--set-charset"};
    if (scope == DumpScope::Salvage) arguments << "--force";
    RunResult run;
    try {
        run = RunDatabaseTool("mariadb-dump", config, arguments, {{}, partial}, ToolExit::MayFail);
    } catch (const ToolError&) {
        QFile::remove(partial);
        throw;
    }
    const QString fault = DumpFault(partial);
    const bool failed = run.exitCode != 0 && scope == DumpScope::Whole;
    if (failed || !fault.isEmpty()) {
        QFile::remove(partial);
        QStringList why;
        if (failed || !run.output.isEmpty()) why << ToolFailure("mariadb-dump", run);
        if (!fault.isEmpty()) why << "The dump " + fault + ".";
        throw ToolError(why.join('\n'));
    }
    const QString path = folder + '/' + name;
    if (!SyncToDisk(partial, O_RDONLY) || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw ToolError("Cannot write the backup file " + path + ".");
    }
    SyncToDisk(folder, O_RDONLY | O_DIRECTORY);
    return {name, run.exitCode != 0 ? run.output : QString()};
}

void LoadDump(const DbConfig& config, const QString& path) {
    RunDatabaseTool("mariadb", config, {"--sandbox", "--one-database"}, {path, {}});
}
