#pragma once

#include "dbadmin/exchange_jobs.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

// How the manager asks and tells the owner: message boxes in the program, a script in tests.
class ManagerDialogs {
  public:
    virtual ~ManagerDialogs() = default;
    virtual bool ask(const QString& question) = 0;
    virtual void tell(const QString& text) = 0;
    // The text typed into an input box titled "Q.I.V.O™"; nullopt when cancelled.
    virtual std::optional<QString> prompt(const QString& label, const QString& text) = 0;
};

class MessageBoxDialogs final : public ManagerDialogs {
  public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}
    bool ask(const QString& question) override;
    void tell(const QString& text) override;
    std::optional<QString> prompt(const QString& label, const QString& text) override;

  private:
    QWidget* parent_;
};

// The Export / Import Manager: the export items, the data files of MySQL/Exchange with their
// descriptions, and what can be done with them. Exports and imports leave the window as requests
// for whoever runs the brain's jobs; renaming, erasing, describing and dropping files in are
// done here.
class ExchangeManager : public QWidget {
    Q_OBJECT
  public:
    // `dialogs` defaults to message boxes over the window.
    explicit ExchangeManager(QString home, ManagerDialogs* dialogs = nullptr,
                             QWidget* parent = nullptr);
    ~ExchangeManager() override;

    // The data files as listed, and the one selected ("" when none).
    QStringList files() const;
    void select(const QString& fileName);
    QString description() const;
    void setDescription(const QString& text);
    QCheckBox* itemBox(int index) const { return boxes_[index]; }

    // The window's buttons and the list's menu.
    void ExportData();
    void ImportData();
    void ModifyDescription();
    void EraseSelected();
    void RenameSelected();
    // Takes in dropped files: data files are copied into MySQL/Exchange, others refused.
    void DropFiles(const QStringList& paths);
    // Shows the selected file's description.
    void ShowDescription();
    void Refresh();

  signals:
    // The manager closed for the job; it opens again when the job is done.
    void exportRequested(const ExportRequest& request);
    void importRequested(const QString& path);
    void closed();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QWidget* itemGroup();
    QWidget* buttonRow();
    void showMenu(const QPoint& at);
    QString selected() const;
    QList<bool> checkedItems() const;
    QString folder() const;

    QString home_;
    std::unique_ptr<ManagerDialogs> ownDialogs_;
    ManagerDialogs* dialogs_;
    QList<QCheckBox*> boxes_;
    QListWidget* list_;
    QPlainTextEdit* description_;
    QLabel* help_;
};
