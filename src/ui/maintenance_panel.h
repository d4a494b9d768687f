#pragma once

#include "backup_box.h"
#include "busy_mode.h"
#include "dbadmin/maintenance_jobs.h"
#include "please_wait.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class Engine;

// The whole-brain part of the "Maintenance" tab: "Repair Database", "Quick Backup Database",
// "Quick Restore Database" and "Rebuild Database". Each job runs in busy mode with the brain to
// itself; the owner is told the outcome in the system's words, and what went wrong beyond them.
class MaintenancePanel : public QWidget {
    Q_OBJECT
  public:
    MaintenancePanel(Engine& engine, MaintainedBrain brain, QWidget* parent = nullptr);
    ~MaintenancePanel() override;

    // The windows that step aside during a job; without it, the window that hosts the panel.
    void setScene(const BusyScene& scene) { scene_ = scene; }

    void RepairDatabase();
    void QuickBackupDatabase();
    void QuickRestoreDatabase();
    void RebuildDatabase();
    // The first start's database check, before the console's start-up step.
    void FirstRunCheck();

    PleaseWaitWindow& pleaseWait() { return pleaseWait_; }
    BackupBox& backupBox() { return backupBox_; }
    // Carries out the restore chosen in the backup box, 1200 ms after the choice.
    QTimer DB_Restore;

  signals:
    // The character leaves IRC before a job.
    void stopRequested();

  private:
    // Asks `question` and, while online, whether to leave IRC; then stops the character.
    bool agreed(const QString& question);
    BusyScene scene() const;
    // Closes the please-wait window and tells the owner the outcome.
    void tell(const JobResult& result);
    void restoreChosen();

    Engine& engine_;
    MaintainedBrain brain_;
    BusyScene scene_;
    PleaseWaitWindow pleaseWait_;
    BackupBox backupBox_;
    // Busy mode from "Quick Restore Database" until the restore ends or the box is closed.
    std::optional<BusyMode> restoring_;
    QString chosenBackup_;
};
