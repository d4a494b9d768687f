#include "maintenance_panel.h"

#include "dbadmin/backup_files.h"
#include "dbadmin/exchange_texts.h"
#include "dbadmin/maintenance_texts.h"
#include "engine/engine.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

struct Button {
    const char* caption;
    const char* help;
    void (MaintenancePanel::*job)();
};

const Button kButtons[] = {
    {"Repair Database", "Check the brain's tables and repair the damaged ones.",
     &MaintenancePanel::RepairDatabase},
    {"Quick Backup Database", "Write a backup of the whole brain into MySQL/backups.",
     &MaintenancePanel::QuickBackupDatabase},
    {"Quick Restore Database", "Choose a backup and load the whole brain from it.",
     &MaintenancePanel::QuickRestoreDatabase},
    {"Rebuild Database", "Number the rows of every table afresh from 1.",
     &MaintenancePanel::RebuildDatabase},
    {"Export / Import Manager", "Export chosen parts of the brain to data files, or import one.",
     &MaintenancePanel::OpenExchangeManager},
};

}  // namespace

MaintenancePanel::MaintenancePanel(Engine& engine, MaintainedBrain brain, QWidget* parent,
                                   ManagerDialogs* exchangeDialogs)
    : QWidget(parent),
      engine_(engine),
      brain_(brain),
      pleaseWait_(engine.out.console),
      backupBox_(BackupFolder(brain.home), *engine.out.notifications),
      exchange_(brain.home, exchangeDialogs) {
    // A row of buttons that sits in the host's "Database Maintenance" group.
    auto* buttons = new QHBoxLayout(this);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(b.caption);
        button->setStatusTip(b.help);
        connect(button, &QPushButton::clicked, this, b.job);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    DB_Restore.setSingleShot(true);
    DB_Restore.setInterval(1200);
    connect(&DB_Restore, &QTimer::timeout, this, &MaintenancePanel::restoreChosen);
    connect(&backupBox_, &BackupBox::restoreChosen, this, [this](const QString& name) {
        if (leftIrc()) {
            chosenBackup_ = name;
            DB_Restore.start();
        } else {
            restoring_.reset();
        }
    });
    connect(&backupBox_, &BackupBox::dismissed, this, [this] { restoring_.reset(); });
    exchangeReturn_.setSingleShot(true);
    exchangeReturn_.setInterval(1200);
    connect(&exchangeReturn_, &QTimer::timeout, this, [this] { exchanging_.reset(); });
    connect(&exchange_, &ExchangeManager::closed, &exchangeReturn_, qOverload<>(&QTimer::start));
    connect(
        &exchange_, &ExchangeManager::exportRequested, this, [this](const ExportRequest& request) {
            runExchange(kStatusChecking, [&] { return ExportData(brain_, pleaseWait_, request); });
        });
    connect(&exchange_, &ExchangeManager::importRequested, this, [this](const QString& path) {
        runExchange(kStatusImporting, [&] { return ImportData(brain_, pleaseWait_, path); });
    });
}

MaintenancePanel::~MaintenancePanel() = default;

BusyScene MaintenancePanel::scene() const {
    if (scene_.mainConsole) return scene_;
    return BusyScene{window(), nullptr, nullptr};
}

bool MaintenancePanel::agreed(const QString& question) {
    return engine_.out.notifications->askYesNo(question) && leftIrc();
}

bool MaintenancePanel::leftIrc() {
    if (engine_.out.irc && engine_.out.irc->IsConnected() &&
        !engine_.out.notifications->askYesNo(kAskDisconnect))
        return false;
    emit stopRequested();
    return true;
}

void MaintenancePanel::tell(const JobResult& result) {
    pleaseWait_.finish();
    pleaseWait_.wait(1200);
    if (result.ok) {
        engine_.out.notifications->information(result.text);
        if (!result.detail.isEmpty()) pleaseWait_.report(result.detail);
    } else {
        engine_.out.notifications->error(FailureText(result));
    }
}

void MaintenancePanel::RepairDatabase() {
    if (!agreed(kAskRepair)) return;
    const BusyMode busy(scene(), pleaseWait_, kStatusRepairing);
    tell(::RepairDatabase(brain_, pleaseWait_, kStatusRepairing));
    pleaseWait_.wait(1000);
}

void MaintenancePanel::QuickBackupDatabase() {
    if (!agreed(kAskBackup)) return;
    const BusyMode busy(scene(), pleaseWait_, kStatusChecking);
    const JobResult result = QuickBackup(brain_, pleaseWait_);
    backupBox_.reread();
    tell(result);
}

void MaintenancePanel::QuickRestoreDatabase() {
    restoring_.emplace(scene(), pleaseWait_, kStatusRestoring, false);
    backupBox_.reread();
    backupBox_.show();
    backupBox_.raise();
}

void MaintenancePanel::restoreChosen() {
    pleaseWait_.open();
    tell(RestoreBackup(brain_, pleaseWait_, chosenBackup_));
    backupBox_.reread();
    restoring_.reset();
}

void MaintenancePanel::RebuildDatabase() {
    if (!agreed(kAskRebuild)) return;
    const BusyMode busy(scene(), pleaseWait_, kStatusChecking);
    const JobResult result = ::RebuildDatabase(brain_, pleaseWait_);
    backupBox_.reread();
    tell(result);
}

void MaintenancePanel::FirstRunCheck() {
    const BusyMode busy(scene(), pleaseWait_, kStatusChecking);
    const JobResult result = ::RepairDatabase(brain_, pleaseWait_, kStatusChecking);
    if (!result.ok) return tell(result);
    pleaseWait_.finish();
    pleaseWait_.wait(2200);
}

void MaintenancePanel::OpenExchangeManager() {
    exchanging_.emplace(scene(), pleaseWait_, kStatusPreparingDatabase, false);
    showExchangeManager();
}

void MaintenancePanel::showExchangeManager() {
    exchange_.show();
    exchange_.raise();
    exchange_.activateWindow();
}

void MaintenancePanel::runExchange(const QString& status, const std::function<JobResult()>& job) {
    // The manager closed for the job: the consoles stay away.
    exchangeReturn_.stop();
    if (!exchanging_) exchanging_.emplace(scene(), pleaseWait_, status, false);
    if (!leftIrc()) return showExchangeManager();
    pleaseWait_.status(status);
    pleaseWait_.open();
    const JobResult result = job();
    tell(result);
    // After a failure the consoles and the tray are back at once, whatever the owner does next.
    if (!result.ok) exchanging_.reset();
    pleaseWait_.wait(1200);
    showExchangeManager();
}
