#include "clearing_panel.h"

#include "dbadmin/clearing.h"
#include "dbadmin/maintenance_jobs.h"
#include "engine/engine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// An editable list of "_" (any value) and the numbers from `first` to `last`.
QComboBox* NumberList(int first, int last, int width, const QString& value) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->addItem(QString(width, '_'));
    for (int n = first; n <= last; ++n)
        box->addItem(QStringLiteral("%1").arg(n, width, 10, QChar('0')));
    box->lineEdit()->setMaxLength(width);
    box->setCurrentText(value);
    return box;
}

QCheckBox* Switch(const QString& caption, bool checked, const QString& help) {
    auto* box = new QCheckBox(caption);
    box->setChecked(checked);
    box->setStatusTip(help);
    box->setToolTip(help);
    return box;
}

}  // namespace

ClearingPanel::ClearingPanel(Engine& engine, QWidget* parent) : QWidget(parent), engine_(engine) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(cleanupGroup(), 3);
    layout->addWidget(criteriaGroup(), 2);
    clssecurity.setInterval(30000);
    connect(&clssecurity, &QTimer::timeout, this, &ClearingPanel::NewClearingKey);
    clssecurity.start();
    NewClearingKey();
}

QWidget* ClearingPanel::cleanupGroup() {
    auto* group = new QGroupBox(" Database Cleanup ");
    auto* grid = new QGridLayout(group);
    const std::vector<ClearingArea>& areas = ClearingAreas();
    const int rows = int(areas.size() + 1) / 2;
    for (int i = 0; i < int(areas.size()); ++i) {
        const ClearingArea& area = areas[size_t(i)];
        auto* button = new QPushButton(QString::fromUtf8(area.caption));
        button->setToolTip(QString::fromUtf8(area.hint));
        connect(button, &QPushButton::clicked, this, [this, &area] { clear(area); });
        grid->addWidget(button, i % rows, i / rows);
    }
    return group;
}

QWidget* ClearingPanel::criteriaGroup() {
    const Settings& s = engine_.state.settings;
    auto* group = new QGroupBox(" Database Cleanup Criteria And Security ");
    keyLabel_ = new QLabel;
    keyLabel_->setToolTip(
        "This is automatically generated security key. Use this key to grant acess for database "
        "cleanup.");
    keyField_ = new QLineEdit;
    keyField_->setObjectName("key_field");
    keyField_->setStatusTip("Enter security key there to grant access for database cleanup.");
    // The key is in capitals; so is what is typed.
    connect(keyField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int caret = keyField_->cursorPosition();
        keyField_->setText(text.toUpper());
        keyField_->setCursorPosition(caret);
    });
    withoutKey_ = Switch("Clear Without Security Key", s.clearWithoutSecurityKey,
                         "Enabling this option you grant acess for database cleanup without "
                         "security key. It is not recommended to enable this option!");
    byDate_ = Switch("Clear By Date And Time", s.clearByDateAndTime,
                     "Check this option to add more detailed cleanup match by date and time.");
    byTeacher_ = Switch("Clear By Teacher's Nick", s.clearByTeachersNick,
                        "Check this option to add more detailed cleanup match by nickname of "
                        "information teacher.");
    day_ = NumberList(1, 31, 2, s.clearDay);
    month_ = NumberList(1, 12, 2, s.clearMonth);
    year_ = NumberList(2005, QDate::currentDate().year(), 4, s.clearYear);
    hour_ = NumberList(0, 23, 2, s.clearHour);
    minute_ = NumberList(0, 59, 2, s.clearMinute);
    teacher_ = new QLineEdit(s.clearTeachersNickname);
    teacher_->setStatusTip(
        "Enter nickname of information teacher there to add more detailed cleanup match.");

    auto* date = new QHBoxLayout;
    for (QComboBox* part : {day_, month_, year_, hour_, minute_})
        date->addWidget(part);
    auto* form = new QFormLayout(group);
    form->addRow(keyLabel_);
    form->addRow(keyField_);
    form->addRow(withoutKey_);
    form->addRow(byDate_);
    form->addRow(byTeacher_);
    form->addRow("Creation Date And Time:", date);
    form->addRow("Teacher's Nickname:", teacher_);

    for (QCheckBox* box : {withoutKey_, byDate_, byTeacher_})
        connect(box, &QCheckBox::toggled, this, &ClearingPanel::keepCriteria);
    for (QComboBox* part : {day_, month_, year_, hour_, minute_})
        connect(part, &QComboBox::currentTextChanged, this, &ClearingPanel::keepCriteria);
    connect(teacher_, &QLineEdit::textChanged, this, &ClearingPanel::keepCriteria);
    return group;
}

void ClearingPanel::keepCriteria() {
    Settings& s = engine_.state.settings;
    s.clearWithoutSecurityKey = withoutKey_->isChecked();
    s.clearByDateAndTime = byDate_->isChecked();
    s.clearByTeachersNick = byTeacher_->isChecked();
    s.clearDay = day_->currentText();
    s.clearMonth = month_->currentText();
    s.clearYear = year_->currentText();
    s.clearHour = hour_->currentText();
    s.clearMinute = minute_->currentText();
    s.clearTeachersNickname = teacher_->text();
}

void ClearingPanel::NewClearingKey() {
    key_ = ::NewClearingKey(*engine_.out.random);
    keyLabel_->setText("Security Key: " + key_);
    keyField_->clear();
}

void ClearingPanel::clear(const ClearingArea& area) {
    // The character leaves IRC even when the key turns out wrong.
    if (engine_.out.irc->IsConnected()) emit stopRequested();
    Notifications& tell = *engine_.out.notifications;
    const Settings& s = engine_.state.settings;
    if (!ClearingKeyAccepted(keyField_->text(), key_, s.clearWithoutSecurityKey))
        return tell.information(kWrongClearingKey);
    // The same job as the command line's --clear: the brain is the clear's alone while it runs.
    MaintainedBrain brain{engine_.db, engine_.home.root(), *engine_.out.clock, hold_};
    const JobResult result =
        ClearBrainArea(brain, area, ClearingCriteria::From(s), s.defaultJoinChannel);
    if (!result.ok) return tell.error(FailureText(result));
    tell.information(result.text);
    if (area.whole == ClearingArea::Whole::EventMessages) emit eventMessagesCleared();
    NewClearingKey();
}
