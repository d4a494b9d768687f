#include "home_lock.h"

#include <QDir>

HomeLock::HomeLock(const QString& home) : home_(home), file_(home + "/talvane.lock") {
    // A live holder keeps its lock however long it runs; only a dead one's lock is stale.
    file_.setStaleLockTime(0);
}

HomeLock::Outcome HomeLock::take() {
    if (!QDir().mkpath(home_)) {
        refusal_ = QStringLiteral("Cannot create the program home %1.").arg(home_);
        return Outcome::Failed;
    }
    if (file_.tryLock(0)) return Outcome::Taken;
    if (file_.error() != QLockFile::LockFailedError) {
        refusal_ =
            QStringLiteral("Cannot create the lock file %1/talvane.lock in the program home.")
                .arg(home_);
        return Outcome::Failed;
    }
    qint64 pid = 0;
    QString host, program;
    const QString holder = file_.getLockInfo(&pid, &host, &program)
                               ? QStringLiteral("process %1 (%2) on %3").arg(pid).arg(program, host)
                               : QStringLiteral("a process that could not be named");
    refusal_ = QStringLiteral(
                   "The program home %1 is in use by %2. Only one program may use a "
                   "home at a time: close that one first, or start this one with "
                   "another home (--home DIR).")
                   .arg(home_, holder);
    return Outcome::InUse;
}
