#include "settings_panel.h"

#include "clearing_panel.h"
#include "engine/engine.h"
#include "event_editor_panel.h"
#include "nickname_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The lines of each declared tab, in the order of the file.
struct DeclaredTab {
    const char* caption;
    int first, last;
};
constexpr DeclaredTab kMainTab{"Main Configuration", 1, 28};
constexpr DeclaredTab kSecurityTab{"IRC Security Configuration", 61, 100};
constexpr DeclaredTab kNlpTab{"NLP Configuration", 38, 59};

// Lines whose boxes live in the additional console, and lines kept and written back whose boxes
// do nothing and are shown greyed.
constexpr int kAdditionalConsoleLines[] = {51, 54};
constexpr int kInertLines[] = {53, 65};
// The boxes whose sub-option is asked when they are checked, the sub-option's line and its hints.
struct SubOption {
    int box;
    bool Settings::*flag;
    const char *question, *setHint, *clearHint;
};
const SubOption kSubOptions[] = {
    {50, &Settings::TestModeNotice, "Enable online notice?", "online notice is enabled",
     "online notice is disabled"},
    {90, &Settings::HistoryRepeatIgnore, "Ignore also dialogue history repeating?",
     "dialogue history repeating also will be ignored",
     "dialogue history repeating will not be ignored"},
};
constexpr int kHubServerLine = 17, kSkinLine = 18, kNicknameLine = 2, kOwnerLine = 5,
              kNickServLine = 6;

template <class Range>
bool Holds(const Range& lines, int line) {
    for (int l : lines)
        if (l == line) return true;
    return false;
}

const SettingDeclaration& Declaration(int line) {
    return SettingDeclarations().at(size_t(line - 1));
}

const SubOption* SubOptionOf(int box) {
    for (const SubOption& option : kSubOptions)
        if (option.box == box) return &option;
    return nullptr;
}

void GiveHelp(QWidget* control, const QString& help) {
    control->setToolTip(help);
    control->setStatusTip(help);
}

// The security edits hold decimal integers.
bool SecurityEdit(int line) {
    return line >= kSecurityTab.first && !Declaration(line).checkBox;
}

}  // namespace

QString SettingHelp(int line) {
    return QString::fromUtf8(Declaration(line).help);
}

SettingsPanel::SettingsPanel(Engine& engine, QWidget* parent)
    : QTabWidget(parent), engine_(engine) {
    addTab(declaredTab(kMainTab.first, kMainTab.last), kMainTab.caption);
    addTab(declaredTab(kSecurityTab.first, kSecurityTab.last), kSecurityTab.caption);
    addTab(declaredTab(kNlpTab.first, kNlpTab.last), kNlpTab.caption);
    events_ = new EventEditorPanel(engine_);
    auto* editorTab = new QWidget;
    auto* editorLayout = new QVBoxLayout(editorTab);
    editorLayout->addWidget(events_);
    editorLayout->addStretch(1);
    addTab(editorTab, "Event System Message Editor");
    addTab(maintenanceTab(), "Maintenance");
    GiveHelp(this,
             "Console configuration: the settings are saved when the configuration is closed "
             "and when the program ends.");
    connect(this, &QTabWidget::currentChanged, this,
            [this](int tab) { engine_.state.settings.activeSettingsTab = tab; });
    showSettings();
}

QWidget* SettingsPanel::declaredTab(int first, int last) {
    auto* page = new QWidget;
    auto* boxes = new QGridLayout;
    auto* edits = new QGridLayout;
    // Short security edits stand four to a row; the others two to a row.
    const int editColumns = first == kSecurityTab.first ? 4 : 2;
    const int boxColumns = 3;
    int box = 0, edit = 0;
    for (int line = first; line <= last; ++line) {
        const SettingDeclaration& d = Declaration(line);
        if (*d.caption == '\0' || Holds(kAdditionalConsoleLines, line)) continue;
        QWidget* widget = control(line);
        widget->setObjectName(QStringLiteral("line_%1").arg(line));
        if (d.checkBox) {
            boxes->addWidget(widget, box / boxColumns, box % boxColumns);
            ++box;
            continue;
        }
        auto* label = new QLabel(QString::fromUtf8(d.caption));
        label->setBuddy(widget);
        GiveHelp(label, SettingHelp(line));
        edits->addWidget(label, edit / editColumns, 2 * (edit % editColumns));
        edits->addWidget(widget, edit / editColumns, 2 * (edit % editColumns) + 1);
        ++edit;
    }
    for (int column = 1; column < 2 * editColumns; column += 2)
        edits->setColumnStretch(column, 1);
    auto* layout = new QVBoxLayout(page);
    auto* editGroup = new QGroupBox(first == kSecurityTab.first ? "Security Variables"
                                                                : "Connection And Identity");
    editGroup->setLayout(edits);
    auto* boxGroup = new QGroupBox("Options");
    boxGroup->setLayout(boxes);
    if (edit > 0) layout->addWidget(editGroup);
    layout->addWidget(boxGroup);
    layout->addStretch(1);
    // At large scale factors a tab may be taller than the console: it scrolls.
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}

QWidget* SettingsPanel::control(int line) {
    const SettingDeclaration& d = Declaration(line);
    if (!d.checkBox) {
        QWidget* widget = textControl(line);
        GiveHelp(widget, SettingHelp(line));
        return widget;
    }
    auto* box = new QCheckBox(QString::fromUtf8(d.caption));
    GiveHelp(box, SettingHelp(line));
    if (Holds(kInertLines, line)) box->setProperty("inert", true);
    connect(box, &QCheckBox::clicked, this, [this, line](bool on) { boxClicked(line, on); });
    boxes_.insert(line, box);
    return box;
}

QWidget* SettingsPanel::textControl(int line) {
    if (line == kNicknameLine) {
        nickname_ = new NicknameBox(engine_);
        connect(nickname_, &QComboBox::currentTextChanged, this,
                [this](const QString& text) { textEdited(kNicknameLine, text); });
        return nickname_;
    }
    if (line == kSkinLine) {
        skins_ = new QComboBox;
        connect(skins_, &QComboBox::activated, this,
                [this] { textEdited(kSkinLine, skins_->currentText()); });
        return skins_;
    }
    auto* edit = new QLineEdit;
    edits_.insert(line, edit);
    if (line == kHubServerLine) edit->setReadOnly(true);
    if (line == kOwnerLine) FilterNickTyping(edit);
    if (line == kNickServLine) edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    if (SecurityEdit(line)) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression("-?[0-9]{0,9}"), edit));
        edit->setMaxLength(10);
    }
    connect(edit, &QLineEdit::textChanged, this, [this, line, edit](const QString& text) {
        // Only what the owner types; showing the settings is no change.
        if (edit->isModified()) textEdited(line, text);
    });
    return edit;
}

void SettingsPanel::offerSkins(const QStringList& names) {
    skins_->clear();
    skins_->addItems(names);
    skins_->setCurrentText(engine_.state.settings.consoleSkin);
}

void SettingsPanel::showSettings() {
    const Settings& s = engine_.state.settings;
    const QDate today = engine_.out.clock->now().date();
    for (auto it = boxes_.cbegin(); it != boxes_.cend(); ++it) {
        it.value()->setChecked(SettingLineText(s, it.key(), today) == "1");
        it.value()->setEnabled(s.enabled(it.key()) && !it.value()->property("inert").toBool());
        showSubOptionHint(it.key());
    }
    for (auto it = edits_.cbegin(); it != edits_.cend(); ++it)
        it.value()->setText(SettingLineText(s, it.key(), today));
    nickname_->setCurrentText(s.nickname);
    skins_->setCurrentText(s.consoleSkin);
    setCurrentIndex(s.activeSettingsTab);
}

void SettingsPanel::boxClicked(int line, bool checked) {
    Settings& s = engine_.state.settings;
    const bool latvianEvents = s.latvianEventSystem;
    SetChecked(s, line, checked);
    askSubOption(line, checked);
    showSettings();
    // The event editor shows the messages of the language chosen.
    if (s.latvianEventSystem != latvianEvents) events_->reset();
    emit lineChanged(line);
}

void SettingsPanel::askSubOption(int line, bool checked) {
    const SubOption* option = SubOptionOf(line);
    if (!option) return;
    // Unchecking the box clears its sub-option without asking.
    engine_.state.settings.*option->flag =
        checked && engine_.out.notifications->askYesNo(QString::fromUtf8(option->question));
}

void SettingsPanel::showSubOptionHint(int line) {
    const SubOption* option = SubOptionOf(line);
    if (!option) return;
    const char* hint = engine_.state.settings.*option->flag ? option->setHint : option->clearHint;
    boxes_.value(line)->setToolTip(SettingHelp(line) + "\n(" + QString::fromUtf8(hint) + ")");
}

void SettingsPanel::textEdited(int line, const QString& text) {
    SetSettingLine(engine_.state.settings, line, text);
    emit lineChanged(line);
}

void SettingsPanel::hostMaintenance(QWidget* panel) {
    maintenance_->insertWidget(0, panel);
}

QWidget* SettingsPanel::maintenanceTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* maintenance = new QGroupBox(" Database Maintenance ");
    maintenance_ = new QVBoxLayout(maintenance);
    auto* buttons = new QHBoxLayout;
    auto* updates = new QPushButton("Check For Program Updates");
    GiveHelp(updates, "Use this function to check for the program updates.");
    connect(updates, &QPushButton::clicked, this, &SettingsPanel::checkForUpdatesRequested);
    buttons->addWidget(updates);
    buttons->addStretch();
    maintenance_->addLayout(buttons);
    layout->addWidget(maintenance);
    clearing_ = new ClearingPanel(engine_);
    layout->addWidget(clearing_, 1);
    connect(clearing_, &ClearingPanel::eventMessagesCleared, events_, &EventEditorPanel::reset);
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    return scroll;
}
