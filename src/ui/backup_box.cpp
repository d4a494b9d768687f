#include "backup_box.h"

#include "dbadmin/backup_files.h"
#include "dbadmin/maintenance_texts.h"
#include "engine/outside.h"

#include <QCloseEvent>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::optional<QString> AskNameInDialog(QWidget* parent, const QString& offered) {
    bool ok = false;
    const QString answer = QInputDialog::getText(
        parent, "Q.I.V.O™", "Enter new filename:", QLineEdit::Normal, offered, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

}  // namespace

BackupBox::BackupBox(QString folder, Notifications& notifications, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)), notifications_(notifications) {
    setWindowTitle("SELECT BACKUP FILE");
    askName = [this](const QString& offered) { return AskNameInDialog(this, offered); };
    list_ = new QListWidget;
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::itemDoubleClicked, this, &BackupBox::restoreSelected);
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        menu.addAction("Restore From Selected Backup File", this, &BackupBox::restoreSelected);
        menu.addAction("Rename Selected Backup File", this, &BackupBox::renameSelected);
        menu.addAction("Erase Selected Backup File", this, &BackupBox::eraseSelected);
        menu.exec(list_->viewport()->mapToGlobal(at));
    });
    auto* restore = new QPushButton("Restore Database");
    connect(restore, &QPushButton::clicked, this, &BackupBox::restoreSelected);
    auto* close = new QPushButton("X");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restore, 1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(360, 300);
    returnTimer_.setSingleShot(true);
    returnTimer_.setInterval(1200);
    connect(&returnTimer_, &QTimer::timeout, this, &BackupBox::dismissed);
}

void BackupBox::reread() {
    const QString kept = selected();
    list_->clear();
    list_->addItems(ListBackups(folder_));
    select(kept);
}

QString BackupBox::selected() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void BackupBox::select(const QString& name) {
    const QList<QListWidgetItem*> found = list_->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) list_->setCurrentItem(found.first());
}

void BackupBox::restoreSelected() {
    const QString name = selected();
    if (name.isEmpty() || !notifications_.askYesNo(AskRestore(name))) return;
    choosing_ = true;
    close();
    choosing_ = false;
    emit restoreChosen(name);
}

void BackupBox::renameSelected() {
    const QString name = selected();
    if (name.isEmpty()) return;
    const std::optional<QString> answer = askName(name.chopped(4));
    if (!answer) return;
    const Rename rename = RenameBackup(folder_, name, *answer);
    switch (rename.outcome) {
        case RenameOutcome::Renamed:
            reread();
            select(rename.newName);
            notifications_.information(kRenamed);
            return;
        case RenameOutcome::WrongLength:
            return;
        case RenameOutcome::NotAName:
            notifications_.error("\"" + *answer +
                                 "\" cannot be a backup file's name: letters, digits, \"_\", \"-\" "
                                 "and \".\" only, not beginning with \".\".");
            return;
        case RenameOutcome::Taken:
            notifications_.error("A backup file \"" + rename.newName +
                                 "\" exists already; it was left as it is.");
            return;
        case RenameOutcome::Failed:
            notifications_.error("The backup file could not be renamed: " + rename.error);
            return;
    }
}

void BackupBox::eraseSelected() {
    const QString name = selected();
    if (name.isEmpty() || !notifications_.askYesNo(AskErase(name))) return;
    const EraseOutcome outcome = EraseBackup(folder_, name);
    reread();
    switch (outcome) {
        case EraseOutcome::Erased:
            notifications_.information(kErased);
            return;
        case EraseOutcome::CouldNotDelete:
            notifications_.error(kCouldNotDelete);
            return;
        case EraseOutcome::Missing:
            notifications_.error(kFileMissing);
            return;
    }
}

void BackupBox::closeEvent(QCloseEvent* event) {
    if (!choosing_) returnTimer_.start();
    event->accept();
}
