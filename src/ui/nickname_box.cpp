#include "nickname_box.h"

#include "dbadmin/nickname_list.h"
#include "engine/engine.h"

#include <QEvent>
#include <QLineEdit>
#include <QMenu>

NicknameBox::NicknameBox(Engine& engine, QWidget* parent) : QComboBox(parent), engine_(engine) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setToolTip(
        "Q.I.V.O™ nickname (example: TalvaneBOT). Doubleclick to randomize. Right mouse button "
        "for additional options.");
    FilterNickTyping(lineEdit());
    lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lineEdit(), &QLineEdit::customContextMenuRequested, this, &NicknameBox::showMenu);
    lineEdit()->installEventFilter(this);
}

void NicknameBox::refresh() {
    const QString typed = currentText();
    clear();
    addItems(NicknameList(engine_.db).names());
    setCurrentText(typed);
}

void NicknameBox::addEntry() {
    const QString nick = currentText();
    if (nick.isEmpty()) return;
    const QString told = NicknameList(engine_.db).add(nick);
    if (told.endsWith("added.")) addItem(nick);
    engine_.out.notifications->information(told);
}

void NicknameBox::removeEntry() {
    const QString nick = currentText();
    if (nick.isEmpty()) return;
    const QString told = NicknameList(engine_.db).remove(nick);
    engine_.out.notifications->information(told);
    if (!told.endsWith("removed.")) return;
    removeItem(findText(nick));
    drawName();
}

void NicknameBox::drawName() {
    if (const std::optional<QString> name = NicknameList(engine_.db).randomName())
        setCurrentText(*name);
    else
        engine_.out.notifications->information(kNicknameListEmpty);
}

bool NicknameBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        drawName();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void NicknameBox::showMenu(const QPoint& at) {
    QMenu menu;
    menu.addAction("Add Entry", this, &NicknameBox::addEntry);
    menu.addAction("Remove Entry", this, &NicknameBox::removeEntry);
    menu.exec(lineEdit()->mapToGlobal(at));
}

void FilterNickTyping(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        const QString allowed = WithoutForbiddenNickCharacters(text);
        // Rewritten only when it changes, so the change it makes does not come back here.
        if (allowed != text) field->setText(allowed);
    });
}
