#include "additional_console.h"

#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/input_queue.h"
#include "engine/settings_saving.h"
#include "engine/text_files.h"
#include "engine/time_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

const QString kLime = QStringLiteral("lime");

QPlainTextEdit* MakeView(const QString& name) {
    auto* view = new QPlainTextEdit;
    view->setObjectName(name);
    view->setReadOnly(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

QFont ViewFont(int points) {
    QFont font(QStringLiteral("Arial"), points, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString HistoryPath(const Engine& engine) {
    return engine.home.path(QStringLiteral("Main/Lih.dat"));
}

}  // namespace

AdditionalConsole::AdditionalConsole(QWidget* parent)
    : QWidget(parent),
      views_(new QStackedWidget),
      chat_(MakeView(QStringLiteral("chat_window"))),
      output_(MakeView(QStringLiteral("output"))),
      input_(new QComboBox),
      history_(new QListView),
      historyItems_(new QStringListModel(this)),
      onlyLocal_(new QCheckBox(QStringLiteral("Show Only Local Chat"))),
      useHistory_(new QCheckBox(QStringLiteral("Use Local Input History"))),
      viewMode_(new QPushButton(QStringLiteral("VIEW FULLSCREEN"))) {
    setWindowTitle(QStringLiteral("Q.I.V.O™ Quenmark Talvane™ - Additional Console"));
    setMinimumWidth(627);
    // The program ends with the main console; this window only hides.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(720, 460);
    setStyleSheet(
        QStringLiteral("AdditionalConsole, QStackedWidget { background: black; }"
                       "QPlainTextEdit, QComboBox, QListView { background: black; color: lime; "
                       "border: 1px solid #1f5f1f; }"
                       "QPushButton { background: #0d2a0d; color: lime; border: 1px solid #2f8f2f; "
                       "padding: 3px 10px; font-weight: bold; }"
                       "QPushButton:hover { background: #184d18; }"
                       "QCheckBox { color: lime; font-weight: bold; }"));

    views_->addWidget(chat_);
    views_->addWidget(output_);
    views_->setCurrentWidget(chat_);
    applyViewMode(false);

    input_->setObjectName(QStringLiteral("input"));
    input_->setEditable(true);
    input_->setInsertPolicy(QComboBox::NoInsert);
    input_->setModel(historyItems_);
    input_->setFont(ViewFont(9));
    input_->clearEditText();
    input_->lineEdit()->installEventFilter(this);
    connect(input_->lineEdit(), &QLineEdit::returnPressed, this,
            &AdditionalConsole::sendLocalPhrase);

    history_->setObjectName(QStringLiteral("history"));
    history_->setModel(historyItems_);
    history_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    history_->setFont(ViewFont(9));
    history_->setFixedHeight(64);
    connect(history_, &QListView::clicked, this, [this](const QModelIndex& item) {
        input_->setEditText(item.data().toString());
        input_->setFocus();
    });

    for (QPlainTextEdit* view : {chat_, output_})
        view->viewport()->installEventFilter(this);

    auto* close = new QPushButton(QStringLiteral("X"));
    auto* chatButton = new QPushButton(QStringLiteral("C"));
    auto* logButton = new QPushButton(QStringLiteral("I"));
    chatButton->setToolTip(QStringLiteral("Chat"));
    logButton->setToolTip(QStringLiteral("Engine log"));
    connect(close, &QPushButton::clicked, this, [this] {
        cue(QStringLiteral("tray.wav"));
        this->close();
    });
    connect(chatButton, &QPushButton::clicked, this, [this] {
        input_->setFocus();
        cue(QStringLiteral("tray.wav"));
        showView(chat_);
    });
    connect(logButton, &QPushButton::clicked, this, [this] {
        input_->setFocus();
        cue(QStringLiteral("tray.wav"));
        showView(output_);
    });
    connect(viewMode_, &QPushButton::clicked, this, &AdditionalConsole::toggleViewMode);
    connect(onlyLocal_, &QCheckBox::clicked, this, &AdditionalConsole::showOnlyLocalChatClicked);
    connect(useHistory_, &QCheckBox::clicked, this,
            &AdditionalConsole::useLocalInputHistoryClicked);

    auto* strip = new QHBoxLayout;
    strip->addWidget(chatButton);
    strip->addWidget(logButton);
    strip->addWidget(onlyLocal_);
    strip->addWidget(useHistory_);
    strip->addStretch();
    strip->addWidget(viewMode_);
    strip->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(views_, 1);
    layout->addWidget(input_);
    layout->addWidget(history_);
    layout->addLayout(strip);
    input_->setFocus();
}

void AdditionalConsole::chatLine(const QString& line) {
    chat_->appendPlainText(line);
}

void AdditionalConsole::logLine(const QString& line) {
    output_->appendPlainText(line);
}

void AdditionalConsole::showChatView() {
    showWindow();
    showView(chat_);
}

void AdditionalConsole::showWindow() {
    if (!shownBefore_) {
        shownBefore_ = true;
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    input_->setFocus();
}

void AdditionalConsole::attach(Engine& engine) {
    engine_ = &engine;
    const Settings& settings = engine.state.settings;
    onlyLocal_->setChecked(settings.showOnlyLocalChat);
    useHistory_->setChecked(settings.useLocalInputHistory);
    QFile skin(engine.home.path("Skins/" + settings.consoleSkin + ".qss"));
    if (!settings.consoleSkin.isEmpty() && skin.open(QIODevice::ReadOnly))
        setStyleSheet(styleSheet() + DecodeText(skin.readAll()));
    QStringList items;
    if (QFile::exists(HistoryPath(engine))) {
        try {
            items = ReadTextLines(HistoryPath(engine));
        } catch (const TextFileError& error) {
            ConsoleLine(engine, QStringLiteral("A.I. > Error: %1").arg(error.what()));
        }
    }
    items.removeAll(QString());
    items.removeDuplicates();
    items.sort(Qt::CaseInsensitive);
    historyItems_->setStringList(items);
    input_->clearEditText();
}

void AdditionalConsole::saveHistory() {
    if (!engine_) return;
    try {
        WriteTextLines(HistoryPath(*engine_), historyItems_->stringList());
    } catch (const TextFileError& error) {
        engine_->out.notifications->error(QString::fromUtf8(error.what()));
    }
}

void AdditionalConsole::sendLocalPhrase() {
    const QString phrase = input_->currentText();
    if (!engine_ || phrase.isEmpty()) return;
    showView(chat_);
    if (engine_->state.paused) setViewsColour(kLime);
    if (engine_->state.settings.useLocalInputHistory) remember(phrase);
    input_->clearEditText();
    QueueOwnersPhrase(*engine_, phrase);
    emit phraseTaken();
}

void AdditionalConsole::remember(const QString& phrase) {
    QStringList items = historyItems_->stringList();
    items.removeAll(phrase);
    items.append(phrase);
    items.sort(Qt::CaseInsensitive);
    historyItems_->setStringList(items);
}

void AdditionalConsole::showView(QPlainTextEdit* view) {
    views_->setCurrentWidget(view);
}

void AdditionalConsole::toggleViewMode() {
    input_->setFocus();
    applyViewMode(!fullScreen_);
    if (fullScreen_) {
        showMaximized();
    } else {
        showNormal();
    }
}

void AdditionalConsole::applyViewMode(bool fullScreen) {
    fullScreen_ = fullScreen;
    for (QPlainTextEdit* view : {chat_, output_})
        view->setFont(ViewFont(fullScreen ? 14 : 7));
    viewMode_->setText(fullScreen ? QStringLiteral("VIEW NORMAL")
                                  : QStringLiteral("VIEW FULLSCREEN"));
}

void AdditionalConsole::changeEvent(QEvent* event) {
    // Maximising or restoring the window from its frame switches the fonts as the button does.
    if (event->type() == QEvent::WindowStateChange && isMaximized() != fullScreen_) {
        cue(QStringLiteral("tray.wav"));
        applyViewMode(isMaximized());
    }
    QWidget::changeEvent(event);
}

void AdditionalConsole::toggleScrollBar(QPlainTextEdit* view) {
    input_->setFocus();
    if (view->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->appendPlainText(QStringLiteral(" "));
    }
}

void AdditionalConsole::toggleHistoryStyle() {
    history_->setVisible(!history_->isVisible());
}

bool AdditionalConsole::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == chat_->viewport()) toggleScrollBar(chat_);
        if (watched == output_->viewport()) toggleScrollBar(output_);
        if (watched == input_->lineEdit()) toggleHistoryStyle();
    }
    return QWidget::eventFilter(watched, event);
}

void AdditionalConsole::showOnlyLocalChatClicked(bool checked) {
    if (engine_) engine_->state.settings.showOnlyLocalChat = checked;
    input_->setFocus();
}

void AdditionalConsole::useLocalInputHistoryClicked(bool checked) {
    if (!engine_) return;
    // Only the owner's own click gets here, never the loading of the settings.
    if (!checked) {
        if (!engine_->out.notifications->askYesNo(
                "Existing local input history will be cleared. Are you sure you want to disable "
                "this option?")) {
            useHistory_->setChecked(true);
            return;
        }
        input_->clearEditText();
        historyItems_->setStringList({});
    }
    engine_->state.settings.useLocalInputHistory = checked;
}

void AdditionalConsole::closeEvent(QCloseEvent* event) {
    if (engine_) SaveOwnersSettings(*engine_);
    event->accept();
}

void AdditionalConsole::setViewsColour(const QString& colour) {
    for (QPlainTextEdit* view : {chat_, output_})
        view->setStyleSheet(QStringLiteral("QPlainTextEdit { color: %1; }").arg(colour));
}

void AdditionalConsole::cue(const QString& file) {
    if (engine_) PlayCue(*engine_, file);
}
