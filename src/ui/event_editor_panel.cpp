#include "event_editor_panel.h"

#include "dbadmin/event_editor.h"
#include "engine/engine.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

const char* const kPlaceholders[] = {"[ACTION]", "[QIVONICK]",   "[USERNICK]",   "[SOMENICK]",
                                     "[TIME]",   "[DATE]",       "[OWNERSNICK]", "[ANSWEROWNER]",
                                     "[ACK]",    "[HISTMINDIF]", "[HISTPHRASE]"};
const char* const kBrainInfo[] = {"[NUMINTERFACES]", "[NUMINTERFACEQ]", "[NUMSYNONYMCMD]",
                                  "[NUMSYNONYMWRD]", "[NUMSYNONYMCOR]", "[NUMCONTEXTWRD]",
                                  "[NUMPOSITIVESW]", "[NUMNEGATIVESW]", "[NUMCASESENSWD]",
                                  "[NUMSYSMESAGES]", "[NUMKNOWNUSERS]", "[NUMDTUNSOLVED]"};

QPushButton* Button(const QString& caption, const QString& help) {
    auto* button = new QPushButton(caption);
    button->setStatusTip(help);
    button->setToolTip(help);
    return button;
}

}  // namespace

EventEditorPanel::EventEditorPanel(Engine& engine, QWidget* parent)
    : QGroupBox("Event System Message Editor", parent),
      engine_(engine),
      events_(new QComboBox),
      messages_(new QComboBox),
      description_(new QLineEdit),
      text_(new QLineEdit) {
    events_->setObjectName("events");
    messages_->setObjectName("messages");
    description_->setObjectName("description");
    text_->setObjectName("message_text");
    events_->setEditable(true);
    events_->setInsertPolicy(QComboBox::NoInsert);
    events_->setToolTip("Select event to add or remove messages.");
    messages_->setEditable(true);
    messages_->setInsertPolicy(QComboBox::NoInsert);
    messages_->setToolTip("Select event message.");
    description_->setStatusTip("Use this field to describe your event message.");
    text_->setStatusTip(
        "Use this field to write a new one or edit selected event messages. Click on the right "
        "mouse button to PopUp menu with special commands which you can put in message. Just "
        "click on desired command to add it to message text field.");
    text_->setContextMenuPolicy(Qt::CustomContextMenu);

    auto* form = new QFormLayout;
    form->addRow("Select Event", events_);
    form->addRow("Select Event Message", messages_);
    form->addRow("Event Message Description", description_);
    form->addRow("Edit Event Message", text_);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = Button("Add Message",
                              "Push this button to add a new message and description to "
                              "selected event.");
    QPushButton* remove = Button("Remove Message",
                                 "Push this button to remove existing message and description "
                                 "from selected event.");
    QPushButton* modify =
        Button("Modify Description",
               "Push this button to replace the event message description with a new one.");
    for (QPushButton* button : {add, remove, modify})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(events_, &QComboBox::textActivated, this, &EventEditorPanel::eventChosen);
    connect(messages_, &QComboBox::textActivated, this, &EventEditorPanel::messageChosen);
    connect(add, &QPushButton::clicked, this, &EventEditorPanel::addMessage);
    connect(remove, &QPushButton::clicked, this, &EventEditorPanel::removeMessage);
    connect(modify, &QPushButton::clicked, this, &EventEditorPanel::modifyDescription);
    connect(text_, &QLineEdit::customContextMenuRequested, this,
            &EventEditorPanel::showPlaceholderMenu);
    reset();
}

void EventEditorPanel::reset() {
    events_->clear();
    events_->addItems(EventEditor(engine_.db, true).events());
    events_->setCurrentText({});
    messages_->clear();
    messages_->setCurrentText({});
    description_->clear();
    text_->clear();
}

void EventEditorPanel::eventChosen() {
    const QStringList messages = EventEditor(engine_.db, engine_.state.settings.latvianEventSystem)
                                     .messages(events_->currentText());
    text_->clear();
    messages_->clear();
    messages_->setCurrentText({});
    if (messages.isEmpty()) return tell(kEventWithoutMessages);
    messages_->addItems(messages);
    messages_->setCurrentText({});
}

void EventEditorPanel::messageChosen() {
    text_->setText(ChosenEventMessage(messages_->currentText()));
    description_->setText(EventEditor(engine_.db, engine_.state.settings.latvianEventSystem)
                              .description(events_->currentText(), messages_->currentText()));
}

void EventEditorPanel::addMessage() {
    const QString message = MessageToAdd(text_->text());
    if (message.isEmpty()) return;
    text_->setText(message);
    messages_->setCurrentText(message);
    const QString told = EventEditor(engine_.db, engine_.state.settings.latvianEventSystem)
                             .add(events_->currentText(), message, description_->text());
    if (told == "Event system message added.") messages_->addItem(message);
    tell(told);
}

void EventEditorPanel::removeMessage() {
    const QString message = MessageToRemove(text_->text());
    if (message.isEmpty()) return;
    text_->setText(message);
    messages_->setCurrentText(message);
    const QString told = EventEditor(engine_.db, engine_.state.settings.latvianEventSystem)
                             .remove(events_->currentText(), message);
    if (told == "Event system message removed.") {
        messages_->removeItem(messages_->findText(message));
        messages_->setCurrentText({});
        text_->clear();
    }
    tell(told);
}

void EventEditorPanel::modifyDescription() {
    if (events_->currentText().isEmpty() || messages_->currentText().isEmpty()) return;
    tell(EventEditor(engine_.db, engine_.state.settings.latvianEventSystem)
             .modifyDescription(events_->currentText(), messages_->currentText(),
                                description_->text()));
}

void EventEditorPanel::showPlaceholderMenu(const QPoint& at) {
    QMenu menu;
    menu.addAction("# (Add Second Line)", this, [this] { insertPlaceholder("#"); });
    for (const char* placeholder : kPlaceholders)
        menu.addAction(placeholder, this, [this, placeholder] { insertPlaceholder(placeholder); });
    QMenu* brain = menu.addMenu("BRAIN INFO.");
    for (const char* placeholder : kBrainInfo)
        brain->addAction(placeholder, this,
                         [this, placeholder] { insertPlaceholder(placeholder); });
    menu.exec(text_->mapToGlobal(at));
}

void EventEditorPanel::insertPlaceholder(const QString& placeholder) {
    qsizetype caret = text_->cursorPosition();
    text_->setText(WithPlaceholder(text_->text(), placeholder, caret));
    text_->setCursorPosition(int(caret));
    text_->setFocus();
}

void EventEditorPanel::tell(const QString& text) {
    engine_.out.notifications->information(text);
}
