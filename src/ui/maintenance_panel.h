#pragma once

#include "backup_box.h"
#include "busy_mode.h"
#include "dbadmin/maintenance_jobs.h"
#include "exchange_manager.h"
#include "please_wait.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class Engine;

// The whole-brain part of the "Maintenance" tab: "Repair Database", "Quick Backup Database",
// "Quick Restore Database", "Rebuild Database" and the "Export / Import Manager". Each job runs in
// busy mode with the brain to itself; the owner is told the outcome in the system's words, and
// what went wrong beyond them.
class MaintenancePanel : public QWidget {
    Q_OBJECT
  public:
    // `exchangeDialogs` are the manager's questions; message boxes when none.
    MaintenancePanel(Engine& engine, MaintainedBrain brain, QWidget* parent = nullptr,
                     ManagerDialogs* exchangeDialogs = nullptr);
    ~MaintenancePanel() override;

    // The windows that step aside during a job; without it, the window that hosts the panel.
    void setScene(const BusyScene& scene) { scene_ = scene; }

    void RepairDatabase();
    void QuickBackupDatabase();
    void QuickRestoreDatabase();
    void RebuildDatabase();
    // The consoles step aside while the manager is open; its exports and imports run here.
    void OpenExchangeManager();
    // The first start's database check, before the console's start-up step.
    void FirstRunCheck();

    PleaseWaitWindow& pleaseWait() { return pleaseWait_; }
    BackupBox& backupBox() { return backupBox_; }
    ExchangeManager& exchangeManager() { return exchange_; }
    // Carries out the restore chosen in the backup box, 1200 ms after the choice.
    QTimer DB_Restore;

  signals:
    // The character leaves IRC before a job.
    void stopRequested();

  private:
    // Asks `question` and, while online, whether to leave IRC; then stops the character.
    bool agreed(const QString& question);
    // While online, asks whether to leave IRC; unless the owner says No, the character leaves.
    bool leftIrc();
    BusyScene scene() const;
    // Closes the please-wait window and tells the owner the outcome.
    void tell(const JobResult& result);
    void restoreChosen();
    // Runs an export or import the manager asked for, once the owner agrees to leave IRC, and
    // brings the manager back after it.
    void runExchange(const QString& status, const std::function<JobResult()>& job);
    void showExchangeManager();

    Engine& engine_;
    MaintainedBrain brain_;
    BusyScene scene_;
    PleaseWaitWindow pleaseWait_;
    BackupBox backupBox_;
    // Busy mode from "Quick Restore Database" until the restore ends or the box is closed.
    std::optional<BusyMode> restoring_;
    QString chosenBackup_;
    ExchangeManager exchange_;
    // Busy mode from opening the manager until 1200 ms after it closes without a job.
    std::optional<BusyMode> exchanging_;
    QTimer exchangeReturn_;
};
