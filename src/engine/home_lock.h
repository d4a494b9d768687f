#pragma once

#include <QLockFile>
#include <QString>

// One program per home: two programs on one home would share its brain server, and the first to
// end would stop it under the other. The lock is a file in the home, held for the whole run; the
// lock of a program that was killed is taken over.
class HomeLock {
  public:
    enum class Outcome { Taken, InUse, Failed };

    explicit HomeLock(const QString& home);
    // Creates the home folder when needed and takes the lock.
    Outcome take();
    // Why the lock was not taken; for InUse it names the process that holds it.
    const QString& refusal() const { return refusal_; }

  private:
    QString home_;
    QLockFile file_;
    QString refusal_;
};
