#include "teach/teach_fixture.h"

#include "answer/answer_lookup.h"
#include "brain/question_pattern.h"
#include "teach/answer_form.h"

#include <gtest/gtest.h>

namespace {

class Teaching : public TeachFixture {
  protected:
    // The answers stored for a question pattern, in the order they were taught.
    QStringList answersTo(const QString& pattern, const QString& table = "interface_s") {
        QStringList answers;
        Query& db = brain.db();
        db.open("SELECT * FROM " + table + " WHERE question=? ORDER BY `index`", {pattern});
        for (db.first(); !db.eof(); db.next())
            answers << db.field("answer");
        return answers;
    }
    QString lastPhraseColumn(const QString& column) {
        return value("SELECT * FROM lastphrase_user WHERE user=?", {kNick}, column);
    }
};

TEST_F(Teaching, StoresTheAnswerFormForTheLastPhraseAndRemembersIt) {
    lastPhrase("how are you ?", "interface_q", "HOW ARE YOU ?");
    brain.db().execute("INSERT INTO unsolved_data (user, phrase) VALUES (?, 'HOW ARE YOU ?')",
                       {kNick});
    command("# I am fine,thanks!");

    EXPECT_EQ(answersTo("%HOW%ARE%YOU%?%", "interface_q"), QStringList{" I AM FINE , THANKS ! "});
    EXPECT_EQ(count("SELECT * FROM interface_q WHERE personality='NEUTRAL' AND "
                    "daylight_time='Midday' AND category='DEFAULT' AND owner='Anna' AND "
                    "date_learned='2026.12.09' AND time_learned='12:00:00'"),
              1);
    EXPECT_EQ(request().InputCategory, "interface_q");
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - success"});
    EXPECT_EQ(notices(), QStringList{"learned new response."});
    EXPECT_TRUE(handled());
    EXPECT_EQ(engine->state.stores.userVariables(kNick).lastAnswer, " I AM FINE,THANKS!");
    for (const char* line :
         {"A.I. > Learning response..", "A.I. > Erasing phrase from unsolved data..",
          "A.I. > Erased phrase from unsolved data.", "A.I. > Learned new response."})
        EXPECT_TRUE(consoleLines().contains(line)) << line;
    EXPECT_EQ(count("SELECT * FROM unsolved_data"), 0);
    // The phrase stays the question; the taught pair waits for a following "##".
    EXPECT_EQ(lastPhraseColumn("phrase"), "how are you ?");
    EXPECT_EQ(lastPhraseColumn("teacher"), "YES");
    EXPECT_EQ(lastPhraseColumn("mmas_question"), "HOW ARE YOU ?");
    EXPECT_EQ(lastPhraseColumn("mmas_answer"), " I AM FINE,THANKS!");
    EXPECT_EQ(lastPhraseColumn("interface_type"), "interface_q");
    EXPECT_EQ(value("SELECT * FROM users_stats WHERE user=?", {kNick}, "teached_count"), "1");

    // Another answer to the same question counts again.
    command("#GREAT");
    EXPECT_EQ(answersTo("%HOW%ARE%YOU%?%", "interface_q").size(), 2);
    EXPECT_EQ(value("SELECT * FROM users_stats WHERE user=?", {kNick}, "teached_count"), "2");
    EXPECT_EQ(count("SELECT * FROM users_stats"), 1);
    EXPECT_TRUE(consoleLines().contains("A.I. > Phrase does not exist or already erased."));
}

TEST_F(Teaching, OnlyAnUnaddressedChannelMessageIsNeverTaughtFrom) {
    const struct {
        TargetKind kind;
        bool taught;
    } cases[] = {{TargetKind::Local, true},
                 {TargetKind::Channel, false},
                 {TargetKind::HighlightedChannel, true},
                 {TargetKind::Private, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        brain.db().execute("DELETE FROM interface_s");
        brain.db().execute("DELETE FROM lastphrase_user");
        lastPhrase("HELLO");
        input("#HI", kNick, c.kind).Privilege = Privilege::Owner;
        TeachResponse(*engine);
        EXPECT_EQ(answersTo("%HELLO%").size(), c.taught ? 1 : 0);
        EXPECT_EQ(bool(engine->state.outcomes.ResponseTaught), c.taught);
        EXPECT_EQ(request().WorkPhrase, c.taught ? "HI" : "#HI");
    }
}

TEST_F(Teaching, PhrasesWithoutTheMarkerAreLeftAlone) {
    lastPhrase("HELLO");
    for (const char* phrase : {"HELLO", "", " #HI", "HI#"}) {
        command(phrase);
        EXPECT_FALSE(engine->state.outcomes.TeachingHandled);
        EXPECT_FALSE(engine->state.outcomes.ResponseTaught);
        EXPECT_EQ(request().WorkPhrase, phrase);
    }
    EXPECT_EQ(count("SELECT * FROM interface_s"), 0);
}

TEST_F(Teaching, ExtendRightAfterTeachingAddsLinesToTheAnswerJustTaught) {
    lastPhrase("HELLO", "interface_s", "HELLO");
    command("#HI THERE, FRIEND!");
    command("##AND YOU?");
    EXPECT_EQ(answersTo("%HELLO%"), QStringList{" HI THERE , FRIEND ! # AND YOU ? "});
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response Extend - success"});
    EXPECT_EQ(notices(), QStringList{"response extended and now contains 2 lines (33 symbols)."});
    EXPECT_TRUE(
        consoleLines().contains("A.I. > Response extended and now contains 2 lines (33 symbols)."));
    EXPECT_FALSE(consoleLines().contains("A.I. > Learned new response."));
    EXPECT_EQ(engine->state.stores.userVariables(kNick).lastAnswer,
              " HI THERE , FRIEND ! # AND YOU ? ");

    command("##BYE");
    EXPECT_EQ(answersTo("%HELLO%"), QStringList{" HI THERE , FRIEND ! # AND YOU ? # BYE "});
    EXPECT_EQ(notices(), QStringList{"response extended and now contains 3 lines (39 symbols)."});
    EXPECT_EQ(value("SELECT * FROM users_stats WHERE user=?", {kNick}, "teached_count"), "3");
}

TEST_F(Teaching, ExtendAddsALineToWhatTheCharacterSaidLast) {
    lastPhrase("HELLO", "interface_s", "HELLO");
    teach("interface_s", "%HELLO%", " HI THERE , FRIEND ! ");
    teach("interface_s", "%HELLO%", " GOOD DAY ");
    characterSaid("Hi there, friend!");
    command("##How are you?");
    EXPECT_EQ(answersTo("%HELLO%"),
              QStringList({" HI THERE , FRIEND ! # HOW ARE YOU ? ", " GOOD DAY "}));
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response Extend - success"});
}

TEST_F(Teaching, RestrictedModeratorMayOnlyAnswerUnansweredQuestions) {
    settings().restrictAdvancedTeaching = true;
    lastPhrase("HELLO");
    command("#HI", Privilege::BasicModerator);
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - success"});
    command("#HEY", Privilege::BasicModerator);
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - Limited"});
    command("#HEY", Privilege::SuperModerator);
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - success"});
    EXPECT_EQ(answersTo("%HELLO%"), QStringList({" HI ", " HEY "}));
}

TEST_F(Teaching, TheSameAnswerUnderAnotherPersonalityIsStoredAgain) {
    lastPhrase("HELLO");
    command("#HI");
    command("#HI");
    EXPECT_EQ(events, QStringList{"On Manual Learning - Information Exist"});
    input("#HI", kNick, TargetKind::Private).Privilege = Privilege::Owner;
    request().Personality = "POSITIVE";
    TeachResponse(*engine);
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - success"});
    EXPECT_EQ(answersTo("%HELLO%"), QStringList({" HI ", " HI "}));
}

// Whatever characters a question or an answer holds, it is stored as typed (in its stored form)
// and found again; nothing makes a statement fail.
TEST_F(Teaching, AwkwardCharactersAreStoredAsTheyAreAndFoundAgain) {
    const char* texts[] = {
        "IT'S \"QUOTED\"",
        "BACK\\SLASH \\",
        "100% _SURE_",
        "A(B [C {D} ^$ .* +? |",
        "(",
        "\\",
        "'",
        "%",
        "_",
        "DROP TABLE X; --",
        "ĀBOLS ŠĶIRNE",
    };
    settings().enableMixedWordRecognition = false;
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        brain.db().execute("DELETE FROM interface_s");
        brain.db().execute("DELETE FROM lastphrase_user");
        lastPhrase(text);
        command(QString("#") + text);
        ASSERT_EQ(events, QStringList{"On Manual Learning - Response - success"});
        const QString pattern = QuestionPattern(text);
        EXPECT_EQ(answersTo(pattern), QStringList{AnswerForm(text)});

        input(text, kNick, TargetKind::Private);
        LookupAnswer(*engine, indexes);
        EXPECT_EQ(request().OutputPhrase, AnswerForm(text));

        command(QString("##") + text);
        EXPECT_EQ(events, QStringList{"On Manual Learning - Response Extend - success"});
        command(QString("#OTHER ") + text);
        EXPECT_EQ(answersTo(pattern).size(), 2);
    }
}

TEST_F(Teaching, ALongAnswerIsStoredWhole) {
    lastPhrase("TELL ME A STORY");
    const QString story = QString("ONCE UPON A TIME ").repeated(600).left(10000);
    command('#' + story);
    ASSERT_EQ(events, QStringList{"On Manual Learning - Response - success"});
    EXPECT_EQ(answersTo("%TELL%ME%A%STORY%"), QStringList{' ' + story.trimmed() + ' '});
    // A near repeat of a long answer is a modification, found without a huge distance table.
    QString changed = story;
    changed[5000] = 'X';
    command('#' + changed);
    EXPECT_EQ(events, QStringList{"On Manual Learning - Response - Modified"});
    EXPECT_EQ(answersTo("%TELL%ME%A%STORY%"), QStringList{' ' + changed.trimmed() + ' '});
}

}  // namespace
