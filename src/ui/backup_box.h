#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class Notifications;
class QListWidget;

// The backup box, "SELECT BACKUP FILE": the backups of MySQL/backups, to restore from, rename
// or erase. Closing it without a choice brings the consoles back 1200 ms later.
class BackupBox : public QWidget {
    Q_OBJECT
  public:
    BackupBox(QString folder, Notifications& notifications, QWidget* parent = nullptr);

    // Re-reads the folder.
    void reread();
    QString selected() const;
    void select(const QString& name);

    void restoreSelected();
    void renameSelected();
    void eraseSelected();

    // Asks for the new name of a backup, offered without ".sql"; none when the owner cancels.
    // Tests answer without a dialog.
    std::function<std::optional<QString>(const QString& offered)> askName;

  signals:
    // The owner chose the backup and said Yes.
    void restoreChosen(const QString& fileName);
    // The box was closed without a choice, 1200 ms ago.
    void dismissed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QString folder_;
    Notifications& notifications_;
    QListWidget* list_;
    QTimer returnTimer_;
    bool choosing_ = false;
};
