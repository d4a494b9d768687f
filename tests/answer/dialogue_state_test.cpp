#include "answer/dialogue_state.h"
#include "answer/answer_owner.h"
#include "answer/stage_fixture.h"
#include "engine/dialogue_records.h"

#include <gtest/gtest.h>

namespace {

class DialogueState : public StageFixture {
  protected:
    void teacher(const QString& nick, const QString& status, const QString& contextual = "") {
        brain.db().execute(
            "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
            "mmas_answer, original_question, interface_type) VALUES (?, 'HELLO', ?, ?, 'Q', 'A', "
            "'HELLO', 'interface_q')",
            {EncodeNick(nick), status, contextual});
    }
    QString column(const QString& nick, const QString& name) {
        return value("SELECT * FROM lastphrase_user WHERE user=?", {EncodeNick(nick)}, name);
    }
};

TEST_F(DialogueState, TeacherStatusLastsOnlyWhileTheUserTeachesResponses) {
    teacher("Anna", "YES");
    input("# I AM FINE", "Anna", TargetKind::Private);
    CheckTeacherStatus(*engine);
    EXPECT_EQ(column("Anna", "teacher"), "YES");
    EXPECT_TRUE(consoleLines().contains("A.I. > Users Anna statuss set as: Teacher."));

    input("HOW ARE YOU", "Anna", TargetKind::Private);
    CheckTeacherStatus(*engine);
    WriteDueTeacherReset(*engine);  // as the cycle's end does
    EXPECT_EQ(column("Anna", "teacher"), "NO");
    EXPECT_EQ(column("Anna", "contextual"), "NO");  // an empty column is written as "NO"
    EXPECT_EQ(column("Anna", "phrase"), "HELLO");
    EXPECT_EQ(column("Anna", "interface_type"), "interface_q");
    EXPECT_TRUE(consoleLines().contains("A.I. > Users Anna status set as: Normal user."));
}

// The reset rides on the cycle's own write of the row: one write, not two.
TEST_F(DialogueState, TheTeacherResetIsWrittenWithTheInputContext) {
    teacher("Anna", "YES");
    input("HOW ARE YOU", "Anna", TargetKind::Private);
    CheckTeacherStatus(*engine);
    const qint64 writes = brain.db().writeCount();
    SaveInputContext(*engine);
    WriteDueTeacherReset(*engine);
    EXPECT_EQ(brain.db().writeCount() - writes, 1);
    EXPECT_EQ(column("Anna", "teacher"), "NO");
    EXPECT_EQ(column("Anna", "phrase"), "HOW ARE YOU");
}

TEST_F(DialogueState, AnUnknownUserGetsARecordOnlyWhenHeAddressesTheCharacter) {
    input("HELLO ALL", "Bob", TargetKind::Channel);
    CheckTeacherStatus(*engine);
    EXPECT_EQ(count("SELECT * FROM lastphrase_user"), 0);
    EXPECT_TRUE(consoleLines().contains("A.I. > Users Bob last statuss: Unknown."));

    input("HELLO", "Bob", TargetKind::Private).InputCategory = "interface_q";
    CheckTeacherStatus(*engine);
    EXPECT_EQ(column("Bob", "phrase"), "QUENMARK TALVANE");
    EXPECT_EQ(column("Bob", "teacher"), "NO");
    EXPECT_EQ(column("Bob", "interface_type"), "interface_q");
}

TEST_F(DialogueState, AnEmptyPhraseIsAnsweredOnlyWhenItWasMeantForTheCharacter) {
    const std::pair<TargetKind, bool> kinds[] = {
        {TargetKind::Local, true}, {TargetKind::Channel, false}, {TargetKind::Private, true}};
    for (const auto& [kind, answered] : kinds) {
        input("", "Anna", kind);
        HandleEmptyInput(*engine);
        EXPECT_TRUE(consoleLines().contains("A.I. > Warning! Empty input string.")) << int(kind);
        EXPECT_EQ(engine->state.outcomes.EmptyInputAnswered, answered) << int(kind);
        EXPECT_EQ(events, answered ? QStringList{"On Unknown User Input"} : QStringList{});
    }
    input("HELLO", "Anna", TargetKind::Private);
    HandleEmptyInput(*engine);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(DialogueState, AHighlightAloneIsAnsweredAndOpensTheChannelsAnswerWindow) {
    settings().answerOnPublicMessages = settings().answerOnPmIntelligentMode = true;
    fakes.clock.at = QDateTime(QDate(2026, 12, 9), QTime(13, 14, 15));
    input("HIGHLIGHTED", "Anna", TargetKind::HighlightedChannel).Highlighted = true;
    HandleHighlight(*engine);
    EXPECT_EQ(events, QStringList{"On A.I. Highlighted"});
    EXPECT_TRUE(engine->state.outcomes.HighlightAnswered);
    const QList<TLPRecord>& windows = engine->state.publicGate.windows;
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0].channel, "#talvane");
    EXPECT_EQ(QTime(windows[0].hour, windows[0].minute, windows[0].second), QTime(13, 14, 15));

    fakes.clock.at = fakes.clock.at.addSecs(60);
    input("HIGHLIGHTED", "Anna", TargetKind::HighlightedChannel).Highlighted = true;
    HandleHighlight(*engine);
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows[0].minute, 15);

    settings().answerOnPmIntelligentMode = false;
    input("HIGHLIGHTED", "Anna", TargetKind::HighlightedChannel).ReplyTarget = "#other";
    request().Highlighted = true;
    HandleHighlight(*engine);
    EXPECT_EQ(windows.size(), 1);
}

TEST_F(DialogueState, OnlyTheWordHighlightedOfAHighlightedMessageCounts) {
    input("HIGHLIGHTED", "Anna", TargetKind::Private);
    HandleHighlight(*engine);
    input("HIGHLIGHTED YOU", "Anna", TargetKind::HighlightedChannel).Highlighted = true;
    HandleHighlight(*engine);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(engine->state.outcomes.HighlightAnswered);
}

class AnswerOwners : public StageFixture {
  protected:
    AnswerOwners() { settings().ownersNickname = "Owner"; }
    void said(const QString& nick, const QString& phrase) {
        brain.db().execute("INSERT INTO lastphrase_ai (user, phrase) VALUES (?, ?)",
                           {EncodeNick(nick), phrase});
    }
    void taught(const QString& table, const QString& answer, const QString& teacherNick) {
        brain.db().execute("INSERT INTO " + table + " (question, answer, owner) VALUES (?, ?, ?)",
                           {"%HELLO%", answer, EncodeNick(teacherNick)});
    }
    QString ask(const QString& nick, const QString& phrase = "[ANSWEROWNER]") {
        input(phrase, nick, TargetKind::Private);
        AnswerOwner(*engine);
        return events.value(0);
    }
    QString rememberedOwner(const QString& nick) {
        return engine->state.stores.userVariables(nick).lastAnswerOwner;
    }
};

TEST_F(AnswerOwners, NamesTheTeacherOfTheLastAnswer) {
    taught("interface_s", " HI THERE ", "Anna");
    taught("interface_q", " I AM [FINE] ", "Bob_");
    for (const char* nick : {"Anna", "Carl", "Owner"})
        said(nick, " HI THERE ");
    said("Dora", " I AM [FINE] ");
    EXPECT_EQ(ask("Anna"), "On Answer Owner - You Owner");
    EXPECT_EQ(ask("Carl"), "On Answer Owner - Owner Is");
    EXPECT_EQ(rememberedOwner("Carl"), "Anna");
    EXPECT_EQ(ask("Dora"), "On Answer Owner - Owner Is");
    EXPECT_EQ(rememberedOwner("Dora"), EncodeNick("Bob_"));
    EXPECT_TRUE(consoleLines().contains("A.I. > Answer owners nickname: " + EncodeNick("Bob_")));
    EXPECT_TRUE(request().Answered);
    EXPECT_TRUE(engine->state.outcomes.AnswerOwnerAnswered);

    settings().coverTeacherNicknames = true;
    EXPECT_EQ(ask("Carl"), "On Answer Owner - Secret Info");
    EXPECT_EQ(ask("Owner"), "On Answer Owner - Owner Is");
    EXPECT_EQ(ask("Anna"), "On Answer Owner - You Owner");
}

TEST_F(AnswerOwners, AnAnswerNobodyTaughtBelongsToTheSystemOwner) {
    brain.db().execute("INSERT INTO interface_s (question, answer) VALUES ('%HI%', ' HELLO ')");
    said("Carl", " HELLO # AGAIN ");
    said("Dora", " SOMETHING NEVER TAUGHT ");
    for (const char* nick : {"Anna", "Carl", "Dora"}) {
        EXPECT_EQ(ask(nick), "On Answer Owner - System Owner") << nick;
        EXPECT_TRUE(consoleLines().contains("A.I. > Can`t get owners nickname for answer."));
        EXPECT_EQ(rememberedOwner(nick), "Unknown");
    }
}

TEST_F(AnswerOwners, IsNoCommandInsideTeachingAndEveryOtherPhraseForgetsTheOwner) {
    taught("interface_s", " HI THERE ", "Anna");
    said("Carl", " HI THERE ");
    ask("Carl");
    EXPECT_EQ(rememberedOwner("Carl"), "Anna");
    for (const char* phrase :
         {"#[ANSWEROWNER]", "X = [ANSWEROWNER]", "[ANSWEROWNER] <> X", "HELLO THERE"}) {
        EXPECT_EQ(ask("Carl", phrase), "") << phrase;
        EXPECT_FALSE(engine->state.outcomes.AnswerOwnerAnswered);
        EXPECT_EQ(rememberedOwner("Carl"), "Unknown");
    }
}

}  // namespace
