#pragma once

#include <QString>

class Clock;
class Query;
struct ClearingArea;
struct ClearingCriteria;

// How a job shows itself: the please-wait window's status, lines of what it found and did, and
// the pauses that let each status be seen. Without windows a status is a line and a pause none.
class JobView {
  public:
    virtual ~JobView() = default;
    virtual void status(const QString& text) = 0;
    virtual void report(const QString& line) = 0;
    virtual void pause(int milliseconds) = 0;
};

// Whatever else uses the brain steps aside while a job has it: nothing of theirs runs between
// hold() and release().
class BrainHold {
  public:
    virtual ~BrainHold() = default;
    virtual void hold() = 0;
    virtual void release() = 0;
};

// The brain a job works on.
struct MaintainedBrain {
    Query& db;  // the program's one query object; it connects anew after the job
    QString home;
    const Clock& clock;  // names the backups
    BrainHold* others = nullptr;
};

struct JobResult {
    bool ok = false;
    QString text;    // the outcome in the system's words: "Backup success.", "Restore error!"..
    QString detail;  // what happened beyond that: the file written, what a tool said
};

// A failure as the owner is told it: the system's words, then what went wrong beyond them.
inline QString FailureText(const JobResult& result) {
    return result.detail.isEmpty() ? result.text : result.text + '\n' + result.detail;
}

// Every job has the brain to itself from start to end, and every job that changes tables first
// writes the brain as it was into a safety backup in MySQL/backups, where the backup box lists
// it. A failure never leaves a half brain: a restore or rebuild that fails loads the safety
// backup again.

// The database check and repair: the check tool first, then REPAIR TABLE on what it found
// damaged only, after a safety backup. The first run's check is the same under another status.
JobResult RepairDatabase(MaintainedBrain& brain, JobView& view, const QString& status);
// Checks and repairs the brain, then dumps it into MySQL/backups/TX3_YYYYMMDD_HHMM.sql.
JobResult QuickBackup(MaintainedBrain& brain, JobView& view);
// Loads the backup file `fileName` of MySQL/backups after checking it is a complete dump, then
// checks and repairs the brain.
JobResult RestoreBackup(MaintainedBrain& brain, JobView& view, const QString& fileName);
// Numbers the rows of every table with an `index` 1, 2, 3.. afresh, checking and repairing the
// brain before and after.
JobResult RebuildDatabase(MaintainedBrain& brain, JobView& view);
// Clears an area of the brain by the criteria (clearing.h); the text is the message that says
// what was cleared.
JobResult ClearBrainArea(MaintainedBrain& brain, const ClearingArea& area,
                         const ClearingCriteria& criteria, const QString& defaultChannel);
