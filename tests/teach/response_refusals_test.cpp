#include "teach/teach_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The set-up steps of the table below reach the fixture from outside.
class Refusals : public TeachFixture {
  public:
    using EngineFixture::brain;
    using StageFixture::settings;
    using StageFixture::teach;
    using TeachFixture::lastPhrase;
};

struct RefusalCase {
    const char* name;
    std::function<void(Refusals&)> setUp;
    const char* phrase;
    Privilege privilege;
    QStringList lines;  // console lines after the one that names the command, in order
    const char* event;
    const char* notice;  // none when empty
};

const QString kTeachCanceled = "A.I. > Response learning canceled.";
const QString kExtendCanceled = "A.I. > Response extend canceled.";

// Anna said HELLO last; the brain answers it with HI.
void HelloAnswered(Refusals& t) {
    t.lastPhrase("HELLO", "interface_s", "HELLO");
    t.teach("interface_s", "%HELLO%", " HI ");
}

TEST_F(Refusals, EveryRowWritesItsLinesEventAndNoticeAndNothingElse) {
    const RefusalCase cases[] = {
        {"1 teaching switched off",
         [](Refusals& t) { t.settings().allowDataTeaching = false; },
         "#HI",
         Privilege::Owner,
         {"A.I. > Response teaching restricted by owner.", "A.I. > Response teaching canceled."},
         "On Manual Learning - Learning Not Allowed",
         "response teaching restricted by owner."},
        {"1 extend switched off",
         [](Refusals& t) { t.settings().allowDataTeaching = false; },
         "##HI",
         Privilege::Owner,
         {"A.I. > Response extend restricted by owner.", kExtendCanceled},
         "On Manual Learning - Learning Not Allowed",
         "response extend restricted by owner."},
        {"2 basic user",
         HelloAnswered,
         "#HI",
         Privilege::BasicUser,
         {"A.I. > Response teaching restricted for user: Anna"},
         "On Manual Learning - Restricted For You",
         "response teaching restricted for you."},
        {"2 basic user, extend, even unrestricted",
         HelloAnswered,
         "##HI",
         Privilege::BasicUser,
         {"A.I. > Response teaching restricted for user: Anna"},
         "On Manual Learning - Restricted For You",
         "response teaching restricted for you."},
        {"3 extend by a moderator under restricted teaching",
         [](Refusals& t) {
             HelloAnswered(t);
             t.settings().restrictAdvancedTeaching = true;
         },
         "##AND YOU ?",
         Privilege::BasicModerator,
         {"A.I. > Response extend restricted for user: Anna", kExtendCanceled},
         "On Manual Learning - Response Extend - Restricted",
         "response extend restricted for you."},
        {"4 a nick online in the answer",
         [](Refusals& t) {
             HelloAnswered(t);
             t.settings().restrictNicksInTeachingData = true;
             t.brain.db().execute("INSERT INTO users_online (user, channel) VALUES ('Bob', '#a')");
         },
         "#SAY HI TO BOB!",
         Privilege::Owner,
         {},
         "On Manual Learning - Nicknames Not Allowed",
         ""},
        {"4 the character's own nick in the answer",
         [](Refusals& t) {
             HelloAnswered(t);
             t.settings().restrictNicksInTeachingData = true;
         },
         "#I AM TALVANEBOT",
         Privilege::Owner,
         {},
         "On Manual Learning - Nicknames Not Allowed",
         ""},
        {"5 no last phrase",
         {},
         "#HI",
         Privilege::Owner,
         {"A.I. > Response learning error: Zero question.", kTeachCanceled},
         "On Manual Learning - Response - Zero Question",
         "response learning error: Zero question."},
        {"5 no last phrase, extend",
         {},
         "##HI",
         Privilege::Owner,
         {"A.I. > Response extend error: Zero question.", kExtendCanceled},
         "On Manual Learning - Response - Zero Question",
         "response extend error: Zero question."},
        {"6 a command as the question",
         [](Refusals& t) { t.lastPhrase("PLEASE [ERASE] IT"); },
         "#NO",
         Privilege::Owner,
         {"A.I. > Response learning error: Question error.", kTeachCanceled},
         "On Manual Learning - Response - Question Error",
         "response learning error: Question error."},
        {"6 a placeholder as the question",
         [](Refusals& t) { t.lastPhrase("[USERNICK]"); },
         "#NO",
         Privilege::Owner,
         {"A.I. > Response learning error: Question error.", kTeachCanceled},
         "On Manual Learning - Response - Question Error",
         "response learning error: Question error."},
        {"7 a command in the answer",
         HelloAnswered,
         "#HI [SYSMSG]",
         Privilege::Owner,
         {"A.I. > Response learning error: Answer error.", kTeachCanceled},
         "On Manual Learning - Response - Answer Error",
         "response learning error: Answer error."},
        {"7 nothing after the marker",
         HelloAnswered,
         "#",
         Privilege::Owner,
         {"A.I. > Response learning error: Answer error.", kTeachCanceled},
         "On Manual Learning - Response - Answer Error",
         "response learning error: Answer error."},
        {"7 only blanks, extend",
         HelloAnswered,
         "##   ",
         Privilege::Owner,
         {"A.I. > Response extend error: Answer error.", kExtendCanceled},
         "On Manual Learning - Response - Answer Error",
         "response extend error: Answer error."},
        {"7 only markers",
         HelloAnswered,
         "# # #",
         Privilege::Owner,
         {"A.I. > Response learning error: Answer error.", kTeachCanceled},
         "On Manual Learning - Response - Answer Error",
         "response learning error: Answer error."},
        {"8 the same answer again",
         HelloAnswered,
         "#HI",
         Privilege::Owner,
         {"A.I. > Response learning error: Information already exist.", kTeachCanceled},
         "On Manual Learning - Information Exist",
         "response learning error: Information already exist."},
        {"9 nothing to extend",
         [](Refusals& t) { t.lastPhrase("HELLO", "interface_s", "HELLO"); },
         "##AND YOU ?",
         Privilege::Owner,
         {"A.I. > Response extend error: Necessary information does not exist.", kExtendCanceled},
         "On Manual Learning - Response Extend - Error",
         "response extend error: Necessary information does not exist."},
        {"10 a second answer by a moderator under restricted teaching",
         [](Refusals& t) {
             HelloAnswered(t);
             t.settings().restrictAdvancedTeaching = true;
         },
         "#HEY",
         Privilege::BasicModerator,
         {"A.I. > Response teaching limited for user: Anna", "A.I. > Response teaching canceled."},
         "On Manual Learning - Response - Limited",
         "response teaching limited for you."},
        {"11 the placeholder question",
         [](Refusals& t) { t.lastPhrase("QUENMARK TALVANE"); },
         "#HI",
         Privilege::Owner,
         {"A.I. > Input data for the response are missing.", kTeachCanceled},
         "On Manual Learning - Response - Missing Input Data",
         "response learning error: Input data for the response are missing."},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* table : {"interface_s", "interface_q", "lastphrase_user", "lastphrase_ai",
                                  "users_stats", "users_online"})
            brain.db().execute(QString("DELETE FROM ") + table);
        settings() = Settings{};
        settings().allowDataTeaching = settings().allowTrainingMode = true;
        settings().nickname = "TalvaneBOT";
        if (c.setUp) c.setUp(*this);
        const QString before = taughtRows();

        command(c.phrase, c.privilege);

        const QStringList lines = consoleLines();
        const qsizetype received = lines.indexOf(
            QString(c.phrase).startsWith("##") ? "A.I. > Received response extend command."
                                               : "A.I. > Received response teaching command.");
        ASSERT_GE(received, 0);
        // Only the placeholder question is refused after "Learning response..".
        const bool learning = QString(c.event).endsWith("Missing Input Data");
        EXPECT_EQ(lines.mid(received + 1 + (learning ? 1 : 0), c.lines.size()), c.lines);
        EXPECT_EQ(events, QStringList{c.event});
        EXPECT_EQ(notices(), QString(c.notice).isEmpty() ? QStringList{} : QStringList{c.notice});
        EXPECT_TRUE(handled());
        EXPECT_TRUE(engine->state.outcomes.ResponseTaught);
        const QString after = taughtRows();
        if (learning) {
            // The placeholder question is refused after the teaching has been counted.
            EXPECT_TRUE(after.contains("users_stats:1|1")) << after.toStdString();
        } else {
            EXPECT_EQ(after, before);
        }
    }
}

// A basic user and a user whom the owner switched teaching off for never write anything, with
// whatever text they send.
TEST_F(Refusals, UsersWithoutTheRightToTeachNeverWriteARow) {
    HelloAnswered(*this);
    const QString before = taughtRows();
    for (const char* phrase : {"#HELLO", "##AGAIN", "#\"QUOTED\" 100% _X_ \\ (", "#"}) {
        SCOPED_TRACE(phrase);
        command(phrase, Privilege::BasicUser);
        EXPECT_EQ(events, QStringList{"On Manual Learning - Restricted For You"});
        settings().allowDataTeaching = false;
        command(phrase, Privilege::Owner);
        EXPECT_EQ(events, QStringList{"On Manual Learning - Learning Not Allowed"});
        settings().allowDataTeaching = true;
    }
    EXPECT_EQ(taughtRows(), before);
}

}  // namespace
