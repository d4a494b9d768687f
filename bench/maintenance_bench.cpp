// Whole-brain maintenance on a large taught brain: the times of a quick backup, of a restore
// from it and of a rebuild, and the size of the backup. Needs the test database server: see
// README.md. Argument: the taught rows (100000).

#include "taught_brain.h"

#include "brain/query.h"
#include "dbadmin/backup_files.h"
#include "dbadmin/maintenance_jobs.h"
#include "engine/outside.h"
#include "support/test_brain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class QuietView final : public JobView {
  public:
    void status(const QString&) override {}
    void report(const QString&) override {}
    void pause(int) override {}
};

qint64 TaughtRows(Query& db) {
    db.open("SELECT (SELECT COUNT(*) FROM interface_q) + (SELECT COUNT(*) FROM interface_s) AS n");
    return db.field("n").toLongLong();
}

// Runs the job, prints its time and says whether it succeeded.
template <typename Job>
bool Timed(const char* name, Job job) {
    QElapsedTimer clock;
    clock.start();
    const JobResult result = job();
    std::printf("%-8s %8.2f s  %s\n", name, double(clock.elapsed()) / 1000.0,
                qPrintable(result.text));
    if (!result.ok) std::printf("         %s\n", qPrintable(result.detail));
    return result.ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString(argv[1]).toInt() : 100000;
    TestBrain brain;
    TaughtBrain taught;
    taught.grow(brain.db(), rows);
    const qint64 before = TaughtRows(brain.db());
    QTemporaryDir home;
    SystemClock clock;
    MaintainedBrain maintained{brain.db(), home.path(), clock, nullptr};
    QuietView view;
    std::printf("taught rows: %lld\n", before);

    if (!Timed("backup", [&] { return QuickBackup(maintained, view); })) return 1;
    const QString backup = ListBackups(BackupFolder(home.path())).first();
    std::printf("backup file: %.1f MB\n",
                double(QFileInfo(BackupFolder(home.path()) + '/' + backup).size()) / 1e6);
    brain.db().execute("DELETE FROM interface_q");
    if (!Timed("restore", [&] { return RestoreBackup(maintained, view, backup); })) return 1;
    if (!Timed("rebuild", [&] { return RebuildDatabase(maintained, view); })) return 1;
    const qint64 after = TaughtRows(brain.db());
    std::printf("taught rows after restore and rebuild: %lld (%s)\n", after,
                after == before ? "all back" : "ROWS LOST");
    return after == before ? 0 : 1;
}
