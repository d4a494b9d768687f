#include "brain/query.h"
#include "engine/contains.h"
#include "engine/input_queue.h"
#include "engine/text_files.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(Contains, FindsIgnoringCaseFromOne) {
    struct Case {
        const char* haystack;
        const char* needle;
        qsizetype position;
    };
    const Case cases[] = {
        {"hello world", "WORLD", 7}, {"Hello", "hello", 1}, {"abc", "x", 0},
        {"āboliņš", "ĀBOLIŅŠ", 1},   {"abc", "", 0},        {"", "a", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Contains(QString::fromUtf8(c.haystack), QString::fromUtf8(c.needle)), c.position)
            << c.haystack << " / " << c.needle;
}

class InputQueue : public EngineFixture {
  protected:
    TInput irc(const QString& nick, const QString& text) {
        TInput input;
        input.TargetKind = TargetKind::Private;
        input.UserNick = input.ReplyTarget = nick;
        input.UserAddress = "user@host";
        input.OriginalPhrase = input.RawText = text;
        input.UpperPhrase = text.toUpper();
        return input;
    }
    QStringList queued() {
        QStringList texts;
        for (const TInput& input : engine->state.stores.InputStore)
            texts << input.UserNick + ":" + input.UpperPhrase;
        return texts;
    }
};

TEST_F(InputQueue, IrcDuplicatesAreTheSameNickWithTheSameText) {
    EnqueueIrcInput(*engine, irc("anna", "hi"));
    EnqueueIrcInput(*engine, irc("anna", "hi"));
    EnqueueIrcInput(*engine, irc("bob", "hi"));
    EnqueueIrcInput(*engine, irc("anna", "hello"));
    EXPECT_EQ(queued(), (QStringList{"anna:HI", "bob:HI", "anna:HELLO"}));
    EXPECT_EQ(fakes.console.lines.last(),
              "A.I. > NLP (Natural Language Processing) preparing process: 3");
}

// One user cannot bury the others: a fourth waiting input of the same nick is dropped and said.
TEST_F(InputQueue, AUserHasAtMostThreeInputsWaiting) {
    engine->state.settings.showDetailedConsoleLogTexts = true;
    for (const char* text : {"one", "two", "three", "four"})
        EnqueueIrcInput(*engine, irc("anna", text));
    EnqueueIrcInput(*engine, irc("bob", "hi"));
    EXPECT_EQ(queued(), (QStringList{"anna:ONE", "anna:TWO", "anna:THREE", "bob:HI"}));
    EXPECT_TRUE(fakes.console.lines.contains(
        "A.I. > Input of anna dropped: 3 inputs of this user are waiting already."));
    PopInput(*engine);
    EnqueueIrcInput(*engine, irc("anna", "five"));
    EXPECT_EQ(queued().last(), "anna:FIVE");
}

TEST_F(InputQueue, ASecondLocalInputIsDroppedWhileTheFirstWaits) {
    EnqueueLocalInput(*engine, LocalInput(*engine, "first"));
    EnqueueLocalInput(*engine, LocalInput(*engine, "other text"));
    EXPECT_EQ(queued(), (QStringList{"Owner:FIRST"}));
    EXPECT_EQ(engine->state.stores.InputStore[0].UserAddress, "127.0.0.1");
    EXPECT_EQ(PopInput(*engine).OriginalPhrase, "first");
    EXPECT_TRUE(engine->state.stores.InputStore.isEmpty());
}

// NUL, escape sequences and the C1 controls never reach the brain, the logs or the console; a tab
// stays.
TEST_F(InputQueue, ControlCharactersAreLeftAtTheDoor) {
    const QString dirty = QString("HEL") + QChar(0) + "LO\x1b[31m \u0085red\tone\x07";
    EnqueueIrcInput(*engine, irc("an\x01na", dirty));
    const TInput& queuedIrc = engine->state.stores.InputStore.last();
    EXPECT_EQ(queuedIrc.OriginalPhrase, "HELLO[31m red\tone");
    EXPECT_EQ(queuedIrc.RawText, "HELLO[31m red\tone");
    EXPECT_EQ(queuedIrc.UserNick, "anna");
    engine->state.stores.InputStore.clear();

    QueueOwnersPhrase(*engine, "\x1b\x1b");  // nothing left to say
    EXPECT_TRUE(engine->state.stores.InputStore.isEmpty());
    EXPECT_TRUE(fakes.additional.chat.isEmpty());

    engine->state.settings.processPublicMessages = false;
    QueueOwnersPhrase(*engine, dirty);
    engine->NLPtimerTimer();
    Query& db = brain.db();
    db.open("SELECT phrase FROM unsolved_data");
    EXPECT_TRUE(db.field("phrase").startsWith("HELLO")) << db.field("phrase").toStdString();
    const QString everything = db.field("phrase") + fakes.console.lines.join('|') +
                               fakes.additional.chat.join('|') +
                               ReadTextLines(homeDir.filePath("Logs/Chat/Owner.log")).join('|') +
                               ReadTextLines(homeDir.filePath("Logs/NLP/Owner.log")).join('|');
    for (const QChar c : everything)
        EXPECT_TRUE(c == u'\t' || c.category() != QChar::Other_Control) << int(c.unicode());
}

}  // namespace
