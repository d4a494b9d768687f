#include "ui/additional_console.h"

#include "engine/text_files.h"
#include "engine/time_text.h"
#include "output/output_fixture.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

namespace {

class AdditionalConsoleWindow : public OutputFixture {
  protected:
    AdditionalConsoleWindow() {
        WriteTextLines(engine->home.path("Main/Lih.dat"), {"zebra", "apple", "", "Mango"});
        engine->out.additional = &window;
        window.attach(*engine);
        window.showWindow();
    }

    template <typename Widget>
    Widget* part(const QString& name) {
        Widget* found = window.findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAbstractButton* button(const QString& text) {
        for (QAbstractButton* candidate : window.findChildren<QAbstractButton*>())
            if (candidate->text() == text) return candidate;
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    void type(const QString& phrase) {
        QLineEdit* edit = part<QComboBox>("input")->lineEdit();
        QTest::keyClicks(edit, phrase);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QStringList history() {
        QStringList items;
        const QAbstractItemModel* model = part<QListView>("history")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            items << model->index(row, 0).data().toString();
        return items;
    }
    QString chatText() { return part<QPlainTextEdit>("chat_window")->toPlainText(); }
    QWidget* frontView() { return window.findChild<QStackedWidget*>()->currentWidget(); }

    AdditionalConsole window;
};

TEST_F(AdditionalConsoleWindow, TheOwnersPhraseGoesToTheEngineAndTheAnswerComesBack) {
    Settings& s = engine->state.settings;
    s.useDialogIntroForNewUsers = false;
    s.typingSimulation = true;
    for (int level = 1; level <= 5; ++level)
        setMessages(QStringLiteral("On Unknown Answer - Standard Level %1_en").arg(level),
                    {"hmm , i do not know that one yet . # can you teach me ? # ?"});
    QSignalSpy taken(&window, &AdditionalConsole::phraseTaken);
    type("tell me about the weather");
    EXPECT_EQ(taken.size(), 1);
    const QString stamp = LongTimeText(fakes.clock.at.time());
    EXPECT_EQ(chatText(), stamp + " > Owner : tell me about the weather");
    ASSERT_EQ(engine->state.stores.InputStore.size(), 1);
    EXPECT_EQ(engine->state.stores.InputStore.first().UpperPhrase, "TELL ME ABOUT THE WEATHER");
    EXPECT_TRUE(engine->NLPtimer.isActive());
    EXPECT_TRUE(part<QComboBox>("input")->currentText().isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->idle(); }, 20000));
    // A line that is only a mark is shown after the conversation's name.
    EXPECT_EQ(chatText(), stamp + " > Owner : tell me about the weather\n" + stamp +
                              " > TalvaneBOT > Owner : Hmm, i do not know that one yet.\n" + stamp +
                              " > TalvaneBOT > Owner : Can you teach me?\n" + stamp +
                              " > TalvaneBOT > Owner?");
    const QImage shot = window.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("TALVANE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) shot.save(folder + "/additional_console.png");
}

TEST_F(AdditionalConsoleWindow, EnterOnAnEmptyInputDoesNothing) {
    type("");
    EXPECT_TRUE(chatText().isEmpty());
    EXPECT_TRUE(engine->state.stores.InputStore.isEmpty());
}

TEST_F(AdditionalConsoleWindow, KeepsASortedHistoryOfInputsOnce) {
    EXPECT_EQ(history(), QStringList({"apple", "Mango", "zebra"})) << "loaded from Main/Lih.dat";
    type("hello");
    type("hello");
    type("apple");
    EXPECT_EQ(history(), QStringList({"apple", "hello", "Mango", "zebra"}));
    EXPECT_EQ(engine->state.stores.InputStore.size(), 1)
        << "the owner's later phrases wait for the first to be taken";
    EXPECT_EQ(chatText().count(" > Owner : "), 3);
    window.saveHistory();
    EXPECT_EQ(ReadTextLines(engine->home.path("Main/Lih.dat")),
              QStringList({"apple", "hello", "Mango", "zebra"}));
}

TEST_F(AdditionalConsoleWindow, ClearingTheHistoryOptionAsksFirst) {
    QAbstractButton* box = button("Use Local Input History");
    ASSERT_TRUE(box->isChecked());
    fakes.notifications.answerYes = false;
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(history().size(), 3);
    EXPECT_TRUE(engine->state.settings.useLocalInputHistory);
    fakes.notifications.answerYes = true;
    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(history().isEmpty());
    EXPECT_FALSE(engine->state.settings.useLocalInputHistory);
    EXPECT_EQ(fakes.notifications.questions.size(), 2);
    type("not remembered");
    EXPECT_TRUE(history().isEmpty());
}

TEST_F(AdditionalConsoleWindow, APhraseResumesAPausedEngine) {
    engine->state.settings.enableConsoleSounds = true;
    engine->state.paused = true;
    type("wake up");
    EXPECT_FALSE(engine->state.paused);
    ASSERT_FALSE(fakes.sounds.played.isEmpty());
    EXPECT_TRUE(fakes.sounds.played.first().endsWith("sounds/unpause.wav"));
    EXPECT_EQ(fakes.console.colours.back(), ConsoleColour::Lime);
}

TEST_F(AdditionalConsoleWindow, ButtonsSwitchViewsAndSize) {
    EXPECT_EQ(frontView(), part<QPlainTextEdit>("chat_window"));
    button("I")->click();
    EXPECT_EQ(frontView(), part<QPlainTextEdit>("output"));
    window.logLine("A.I. > Checking connection..");
    EXPECT_EQ(part<QPlainTextEdit>("output")->toPlainText(), "A.I. > Checking connection..");
    button("C")->click();
    EXPECT_EQ(frontView(), part<QPlainTextEdit>("chat_window"));

    const int normal = part<QPlainTextEdit>("chat_window")->font().pointSize();
    button("VIEW FULLSCREEN")->click();
    EXPECT_EQ(part<QPlainTextEdit>("chat_window")->font().pointSize(), 14);
    EXPECT_EQ(part<QPlainTextEdit>("output")->font().pointSize(), 14);
    button("VIEW NORMAL")->click();
    EXPECT_EQ(part<QPlainTextEdit>("chat_window")->font().pointSize(), normal);
    EXPECT_NE(button("VIEW FULLSCREEN"), nullptr);
}

TEST_F(AdditionalConsoleWindow, TheBoxesAreSettingsSavedWhenTheWindowCloses) {
    button("Show Only Local Chat")->click();
    EXPECT_TRUE(engine->state.settings.showOnlyLocalChat);
    button("X")->click();
    EXPECT_FALSE(window.isVisible());
    const QStringList lines = ReadTextLines(engine->home.path("Main/Options.ini"));
    ASSERT_GE(lines.size(), 54);
    EXPECT_EQ(lines[50], "1");
    EXPECT_EQ(lines[53], "1");
}

}  // namespace
