#pragma once

// The steps the whole-brain jobs share: the brain held for one job, the safety backup and its
// reload, and the check and repair.

#include "brain/query.h"
#include "brain_dump.h"
#include "maintenance_jobs.h"
#include "tool_error.h"

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

// What a job that could not keep the brain as it was says, and what it did not do therefore.
struct Refusal {
    QString text;
    QString notDone;
};

// MySQL/backups of the brain's home.
QString BackupsOf(const MaintainedBrain& brain);
// The brain as it is now, in a backup named for what is about to happen to it.
Dump SafetyBackup(MaintainedBrain& brain, JobView& view, const QString& before, DumpScope scope);
// The safety backup a job takes before it changes tables; without it the job does nothing.
Dump SafetyBackupFirst(MaintainedBrain& brain, JobView& view, const QString& before,
                       DumpScope scope, const Refusal& refusal);
// The check tool first; REPAIR TABLE only on the tables it found damaged, and only once a
// backup of what can still be read exists.
void RepairDatabaseFiles(MaintainedBrain& brain, JobView& view);
// A backup, a rebuild or an export reads the whole brain: "checking database..", the repair
// above, then a second for the owner to read the status.
void CheckFirst(MaintainedBrain& brain, JobView& view);
// Loads the safety backup after a failed change; says what became of the brain.
QString LoadSafetyBackup(MaintainedBrain& brain, const Dump& safety);
