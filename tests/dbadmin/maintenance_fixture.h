#pragma once

#include "dbadmin/backup_files.h"
#include "dbadmin/maintenance_jobs.h"
#include "support/fake_outside.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

// What a job showed, and whether the others were holding off at each step.
class RecordingView final : public JobView {
  public:
    explicit RecordingView(const bool* held = nullptr) : held_(held) {}
    void status(const QString& text) override {
        statuses << text;
        if (held_ && !*held_) shownUnheld = true;
    }
    void report(const QString& line) override { reports << line; }
    void pause(int milliseconds) override { pauses << milliseconds; }
    QStringList statuses, reports;
    QList<int> pauses;
    bool shownUnheld = false;

  private:
    const bool* held_;
};

class RecordingHold final : public BrainHold {
  public:
    void hold() override {
        ++holds;
        held = true;
    }
    void release() override {
        ++releases;
        held = false;
    }
    int holds = 0, releases = 0;
    bool held = false;
};

// A throwaway brain with a home for its backups, a pinned clock and recording stand-ins.
class MaintenanceTest : public ::testing::Test {
  protected:
    JobResult backup() { return QuickBackup(brain_, view); }
    JobResult restore(const QString& name) { return RestoreBackup(brain_, view, name); }
    JobResult rebuild() { return RebuildDatabase(brain_, view); }
    JobResult repair() { return RepairDatabase(brain_, view, "repairing database.."); }

    QString folder() const { return BackupFolder(home.path()); }
    QStringList backups() const { return ListBackups(folder()); }
    // The `columns` of every row that the statement's `from` part selects, as the server's bytes
    // in hex, so that a lost or changed byte of any letter shows.
    QStringList rows(const QString& from, const QString& columns);
    // The server's checksum of the table's rows.
    QString checksum(const QString& table);

    TestBrain brain;
    QTemporaryDir home;
    PinnedClock clock;
    RecordingHold others;
    RecordingView view{&others.held};
    MaintainedBrain brain_{brain.db(), home.path(), clock, &others};
};
