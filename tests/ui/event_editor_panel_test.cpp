#include "ui/event_editor_panel.h"

#include "dbadmin/event_editor.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class EventEditorWindow : public EngineFixture {
  protected:
    EventEditorWindow() {
        engine->state.settings.latvianEventSystem = false;
        panel.resize(640, 220);
        panel.show();
    }
    template <typename Widget>
    Widget* part(const QString& name) {
        return panel.findChild<Widget*>(name);
    }
    void press(const QString& caption) {
        for (QPushButton* button : panel.findChildren<QPushButton*>())
            if (button->text() == caption) return button->click();
        ADD_FAILURE() << caption.toStdString();
    }
    void choose(QComboBox* box, const QString& text) {
        box->setCurrentText(text);
        emit box->textActivated(text);
    }
    QStringList items(QComboBox* box) {
        QStringList all;
        for (int i = 0; i < box->count(); ++i)
            all << box->itemText(i);
        return all;
    }

    EventEditorPanel panel{*engine};
};

TEST_F(EventEditorWindow, TheOwnerAddsChoosesDescribesAndRemovesAMessage) {
    EXPECT_TRUE(items(part<QComboBox>("events")).contains("On Lonely Talking"));
    choose(part<QComboBox>("events"), "On Test Event");
    EXPECT_EQ(fakes.notifications.informations.last(),
              "This event does not contain any event messages!");

    part<QLineEdit>("message_text")->setText("Hello,, how are you ??");
    part<QLineEdit>("description")->setText("A greeting");
    press("Add Message");
    EXPECT_EQ(fakes.notifications.informations.last(), "Event system message added.");
    EXPECT_EQ(part<QLineEdit>("message_text")->text(), "Hello, how are you?");
    press("Add Message");
    EXPECT_EQ(fakes.notifications.informations.last(), "Event system message already exist!");

    choose(part<QComboBox>("events"), "On Test Event");
    EXPECT_EQ(items(part<QComboBox>("messages")), QStringList{"hello, how are you?"});
    part<QLineEdit>("description")->clear();
    choose(part<QComboBox>("messages"), "hello, how are you?");
    EXPECT_EQ(part<QLineEdit>("description")->text(), "A greeting");

    press("Remove Message");
    EXPECT_EQ(fakes.notifications.informations.last(), "Event system message removed.");
    EXPECT_TRUE(items(part<QComboBox>("messages")).isEmpty());
}

TEST(EventMessagePlaceholders, GoInAtTheCaretWithABlankOnEachSide) {
    qsizetype caret = 6;
    EXPECT_EQ(WithPlaceholder("hello  there", "[USERNICK]", caret), "hello [USERNICK] there");
    EXPECT_GE(caret, 16);
    caret = 0;
    EXPECT_EQ(WithPlaceholder("", "[TIME]", caret), "[TIME]");
}

}  // namespace
