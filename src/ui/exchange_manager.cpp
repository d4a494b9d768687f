#include "exchange_manager.h"

#include "dbadmin/exchange_archive.h"
#include "dbadmin/exchange_choices.h"
#include "dbadmin/exchange_files.h"
#include "dbadmin/exchange_texts.h"
#include "engine/text_files.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace {

const QString kTitle = "Q.I.V.O™";

// The help line tells what the object under the cursor does.
void Explain(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

// Data files dragged out of the list are files to whatever takes them.
class DataFileList final : public QListWidget {
  public:
    explicit DataFileList(QString folder) : folder_(std::move(folder)) {}

  protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QListWidgetItem* item : items)
            urls << QUrl::fromLocalFile(folder_ + '/' + item->text());
        data->setUrls(urls);
        return data;
    }
    QStringList mimeTypes() const override { return {"text/uri-list"}; }

  private:
    QString folder_;
};

}  // namespace

bool MessageBoxDialogs::ask(const QString& question) {
    return QMessageBox::question(parent_, kTitle, question) == QMessageBox::Yes;
}

void MessageBoxDialogs::tell(const QString& text) {
    QMessageBox::information(parent_, kTitle, text);
}

std::optional<QString> MessageBoxDialogs::prompt(const QString& label, const QString& text) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, kTitle, label, QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

ExchangeManager::ExchangeManager(QString home, ManagerDialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), home_(std::move(home)) {
    if (!dialogs) ownDialogs_ = std::make_unique<MessageBoxDialogs>(this);
    dialogs_ = dialogs ? dialogs : ownDialogs_.get();
    setWindowTitle(kManagerCaption);
    list_ = new DataFileList(folder());
    Explain(list_,
            "The data files in MySQL/Exchange: click one to see its description, "
            "double click to import it, right click for more.");
    list_->setDragEnabled(true);
    list_->setDragDropMode(QAbstractItemView::DragOnly);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QListWidget::itemClicked, this, &ExchangeManager::ShowDescription);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ExchangeManager::ImportData);
    connect(list_, &QListWidget::customContextMenuRequested, this, &ExchangeManager::showMenu);
    description_ = new QPlainTextEdit;
    Explain(description_,
            "The description of the selected data file, or of the next export; "
            "left empty, an export names its items.");
    help_ = new QLabel(kManagerHelp);
    help_->setWordWrap(true);
    help_->setFrameShape(QFrame::StyledPanel);
    // Room for two lines whatever the text, so that the window above it keeps still.
    help_->setFixedHeight(2 * help_->fontMetrics().lineSpacing() + 2 * help_->frameWidth() + 4);

    auto* files = new QVBoxLayout;
    files->addWidget(new QLabel("Data files:"));
    files->addWidget(list_, 2);
    files->addWidget(new QLabel("Description:"));
    files->addWidget(description_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(itemGroup());
    top->addLayout(files, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttonRow());
    layout->addWidget(help_);

    const QList<bool> checked = ReadExchangeChoices(home_, checkedItems());
    for (qsizetype i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(checked[i]);
    resize(760, 480);
}

ExchangeManager::~ExchangeManager() = default;

QWidget* ExchangeManager::itemGroup() {
    auto* group = new QGroupBox(kItemGroup);
    auto* layout = new QVBoxLayout(group);
    for (const ExchangeItem& item : ExchangeItems()) {
        auto* box = new QCheckBox(item.caption);
        Explain(box, "Export the " + item.description + ": " + item.tables.join(", ") + ".");
        // Another choice of items makes the description the new one's to write.
        connect(box, &QCheckBox::clicked, description_, &QPlainTextEdit::clear);
        layout->addWidget(box);
        boxes_ << box;
    }
    layout->addStretch();
    return group;
}

QWidget* ExchangeManager::buttonRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        QString caption, tip;
        void (ExchangeManager::*action)();
    } buttons[] = {
        {"Export Data", "Export the checked items into a new data file.",
         &ExchangeManager::ExportData},
        {"Import Data", "Import the selected data file into the brain.",
         &ExchangeManager::ImportData},
        {"Modify Description", "Give the selected data file the description written above.",
         &ExchangeManager::ModifyDescription},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption);
        Explain(button, b.tip);
        connect(button, &QPushButton::clicked, this, b.action);
        layout->addWidget(button);
    }
    layout->addStretch();
    auto* close = new QPushButton("X");
    Explain(close, "Close the manager.");
    close->setFixedWidth(close->sizeHint().height() * 2);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    return row;
}

QList<bool> ExchangeManager::checkedItems() const {
    QList<bool> checked;
    for (const QCheckBox* box : boxes_)
        checked << box->isChecked();
    return checked;
}

QStringList ExchangeManager::files() const {
    QStringList names;
    for (int i = 0; i < list_->count(); ++i)
        names << list_->item(i)->text();
    return names;
}

void ExchangeManager::select(const QString& fileName) {
    const QList<QListWidgetItem*> found = list_->findItems(fileName, Qt::MatchExactly);
    list_->setCurrentItem(found.isEmpty() ? nullptr : found.first());
}

QString ExchangeManager::description() const {
    return description_->toPlainText();
}

void ExchangeManager::setDescription(const QString& text) {
    description_->setPlainText(text);
}

QString ExchangeManager::selected() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->text() : QString();
}

QString ExchangeManager::folder() const {
    return ExchangeFolder(home_);
}

void ExchangeManager::Refresh() {
    const QString keep = selected();
    list_->clear();
    list_->addItems(ListDataFiles(folder()));
    select(keep);
}

void ExchangeManager::ShowDescription() {
    if (selected().isEmpty()) return;
    try {
        description_->setPlainText(ReadDescription(folder() + '/' + selected()));
    } catch (const ArchiveError& e) {
        description_->clear();
        dialogs_->tell(e.message());
    }
}

void ExchangeManager::ExportData() {
    ExportRequest request;
    for (qsizetype i = 0; i < boxes_.size(); ++i)
        if (boxes_[i]->isChecked()) request.items << &ExchangeItems()[i];
    if (request.items.isEmpty()) return dialogs_->tell(kSelectAnItem);
    if (!dialogs_->ask(kAskExport)) return;
    const std::optional<QString> typed = dialogs_->prompt(kPromptDataFileName, {});
    request.stem = CleanDataFileName(typed.value_or(QString()));
    if (request.stem.isEmpty()) return dialogs_->tell(kExportCanceled);
    if (QFileInfo::exists(folder() + '/' + request.stem + ".xpt") &&
        !dialogs_->ask(AskOverwrite(request.stem)))
        return dialogs_->tell(kExportCanceled);
    request.description = description();
    close();
    emit exportRequested(request);
}

void ExchangeManager::ImportData() {
    const QString name = selected();
    if (name.isEmpty() || !dialogs_->ask(AskImport(DataFileStem(name)))) return;
    close();
    emit importRequested(folder() + '/' + name);
}

void ExchangeManager::ModifyDescription() {
    const QString name = selected();
    if (name.isEmpty() || !dialogs_->ask(AskModifyDescription(DataFileStem(name)))) return;
    try {
        ::ModifyDescription(folder(), name, description());
    } catch (const ArchiveError& e) {
        return dialogs_->tell(e.message());
    }
    Refresh();
    dialogs_->tell(kDescriptionModified);
}

void ExchangeManager::EraseSelected() {
    const QString name = selected();
    if (name.isEmpty() || !dialogs_->ask(AskEraseDataFile(DataFileStem(name)))) return;
    try {
        EraseDataFile(folder(), name);
    } catch (const ArchiveError& e) {
        Refresh();
        return dialogs_->tell(e.message());
    }
    description_->clear();
    Refresh();
    dialogs_->tell(kDataFileErased);
}

void ExchangeManager::RenameSelected() {
    const QString name = selected();
    if (name.isEmpty()) return;
    const std::optional<QString> answer = dialogs_->prompt(kPromptFileName, DataFileStem(name));
    if (!answer) return;
    QString renamed;
    try {
        renamed = RenameDataFile(folder(), name, *answer);
    } catch (const ArchiveError& e) {
        return dialogs_->tell(e.message());
    }
    if (renamed.isEmpty()) return;
    Refresh();
    select(renamed);
    dialogs_->tell(kDataFileRenamed);
}

void ExchangeManager::DropFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        try {
            if (!AcceptDroppedFile(folder(), path))
                dialogs_->tell(DropRejected(QFileInfo(path).fileName()));
        } catch (const ArchiveError& e) {
            dialogs_->tell(e.message());
        }
    }
    Refresh();
}

void ExchangeManager::showMenu(const QPoint& at) {
    if (!list_->itemAt(at)) return;
    list_->setCurrentItem(list_->itemAt(at));
    QMenu menu(this);
    menu.addAction("Import Data From Selected Data File", this, &ExchangeManager::ImportData);
    menu.addAction("Modify Description For Selected Data File", this,
                   &ExchangeManager::ModifyDescription);
    menu.addAction("Erase Selected Data File", this, &ExchangeManager::EraseSelected);
    menu.addAction("Rename Selected Data File", this, &ExchangeManager::RenameSelected);
    menu.exec(list_->viewport()->mapToGlobal(at));
}

void ExchangeManager::showEvent(QShowEvent* event) {
    RemoveLeftovers(folder());
    setAcceptDrops(true);
    Refresh();
    QWidget::showEvent(event);
}

void ExchangeManager::closeEvent(QCloseEvent* event) {
    setAcceptDrops(false);
    try {
        WriteExchangeChoices(home_, checkedItems());
    } catch (const TextFileError& e) {
        dialogs_->tell(QString::fromUtf8(e.what()));
    }
    emit closed();
    QWidget::closeEvent(event);
}

bool ExchangeManager::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        help_->setText(tip.isEmpty() ? kManagerHelp : tip);
        return true;
    }
    return QWidget::event(event);
}

void ExchangeManager::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ExchangeManager::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    event->acceptProposedAction();
    DropFiles(paths);
}
