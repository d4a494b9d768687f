#include "teach/response_erasing.h"

#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

// Anna asked HOW ARE YOU and the character answered I AM FINE; the brain holds the answers
// that the cases need.
class EraseResponses : public StageFixture {
  protected:
    // Each case switches on the protections it is about.
    EraseResponses() {
        settings().allowDataErasing = true;
        settings().protectTaughtResponses = settings().protectContextualData =
            settings().keepLinkedContextualData = false;
    }

    void lastExchange(const QString& nick, const QString& question, const QString& answer,
                      const QString& table = "interface_s") {
        Query& db = brain.db();
        const QString user = EncodeNick(nick);
        db.execute("DELETE FROM lastphrase_user WHERE user=?", {user});
        db.execute("DELETE FROM lastphrase_ai WHERE user=?", {user});
        if (!question.isNull())
            db.execute(
                "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
                "mmas_answer, original_question, interface_type) VALUES (?, ?, 'NO', 'NO', "
                "'QUENMARK', 'TALVANE', ?, ?)",
                {user, question, question, table});
        if (!answer.isNull())
            db.execute("INSERT INTO lastphrase_ai (user, phrase) VALUES (?, ?)", {user, answer});
    }
    void taught(const QString& question, const QString& answer, const QString& teacher = "",
                const QString& table = "interface_s") {
        brain.db().execute("INSERT INTO " + table +
                               " (personality, question, answer, owner) VALUES ('NEUTRAL', ?, "
                               "?, ?)",
                           {question, answer, EncodeNick(teacher)});
    }
    // Runs the stage for a command of `nick` with `privilege`; the events raised.
    QStringList erase(const QString& command, Privilege privilege = Privilege::Owner,
                      const QString& nick = "Anna", TargetKind kind = TargetKind::Private) {
        input(command, nick, kind).Privilege = privilege;
        EraseResponse(*engine);
        return events;
    }
    QStringList answers(const QString& table = "interface_s") {
        QStringList all;
        Query& db = brain.db();
        for (db.open("SELECT * FROM " + table + " ORDER BY question, answer"); !db.eof(); db.next())
            all << db.field("question") + " =" + db.field("answer");
        return all;
    }
    QString stats(const QString& nick) {
        return value("SELECT * FROM users_stats WHERE user=?", {EncodeNick(nick)}, "erased_count");
    }
    bool handled() const {
        return engine->state.outcomes.ErasingHandled == 1 && engine->state.request.Answered;
    }
};

TEST_F(EraseResponses, EraseTakesBackTheLastAnswerAndOnlyIt) {
    lastExchange("Anna", "HOW ARE YOU", "I am fine, thanks!");
    taught("%HOW%ARE%YOU%", " I AM FINE , THANKS ! ");
    taught("%HOW%ARE%YOU%", " GOOD ");
    taught("%WHO%ARE%YOU%", " I AM FINE , THANKS ! ");
    taught("%HOW%ARE%YOU%", " I AM FINE , THANKS ! ", "", "interface_q");

    EXPECT_EQ(erase("[ERASE]"), QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_TRUE(handled());
    EXPECT_EQ(answers(),
              (QStringList{"%HOW%ARE%YOU% = GOOD ", "%WHO%ARE%YOU% = I AM FINE , THANKS ! "}));
    EXPECT_EQ(answers("interface_q").size(), 1);
    EXPECT_TRUE(consoleLines().contains("A.I. > Response erase completed successfully."));
    EXPECT_EQ(stats("Anna"), "1");

    // Nothing is left to erase: told so, never an error, and not counted.
    lastExchange("Anna", "HOW ARE YOU", "I am fine, thanks!");
    EXPECT_EQ(erase("[ERASE]"), QStringList{"On Manual Erasing - System"});
    EXPECT_TRUE(handled());
    EXPECT_TRUE(consoleLines().contains("A.I. > Response(s) does not exist."));
    EXPECT_EQ(stats("Anna"), "1");
}

TEST_F(EraseResponses, EraseAllTakesEveryAnswerToTheLastQuestion) {
    lastExchange("Anna", "HOW ARE YOU", "Good.", "interface_q");
    taught("%HOW%ARE%YOU%", " GOOD. ", "", "interface_q");
    taught("%HOW%ARE%YOU%", " FINE ", "", "interface_q");
    taught("%HOW%ARE%YOU%", " SUPER ", "", "interface_q");
    taught("%HOW%ARE%YOU%", " KEPT IN THE OTHER TABLE ");
    taught("%HOW%ARE%YOU%DOING%", " KEPT ", "", "interface_q");
    brain.db().execute(
        "INSERT INTO users_stats (user, teached_count, erased_count) VALUES (?, "
        "'4', '2')",
        {EncodeNick("Anna")});

    EXPECT_EQ(erase("[ERASEALL]"), QStringList{"On Manual Erasing - Multiple Response - Success"});
    EXPECT_EQ(answers("interface_q"), QStringList{"%HOW%ARE%YOU%DOING% = KEPT "});
    EXPECT_EQ(answers().size(), 1);
    EXPECT_EQ(request().InputCategory, "interface_q");
    EXPECT_EQ(stats("Anna"), "5");
    EXPECT_EQ(value("SELECT * FROM users_stats", {}, "teached_count"), "4");

    lastExchange("Anna", "HOW ARE YOU", "Good.", "interface_q");
    EXPECT_EQ(erase("[ERASEALL]"), QStringList{"On Manual Erasing - System Multiple"});
    EXPECT_EQ(stats("Anna"), "5");
}

TEST_F(EraseResponses, RefusalsDeleteNothing) {
    lastExchange("Anna", "HOW ARE YOU", "Good");
    taught("%HOW%ARE%YOU%", " GOOD ");
    struct Case {
        bool allowed;
        Privilege privilege;
        const char* event;
        const char* line;
    };
    const Case cases[] = {
        {false, Privilege::Owner, "On Manual Erasing - Erasing Not Allowed",
         "A.I. > Response erasing restricted by owner."},
        {true, Privilege::BasicUser, "On Manual Erasing - Restricted For You",
         "A.I. > Response erasing restricted for user: Anna"},
    };
    for (const Case& c : cases) {
        settings().allowDataErasing = c.allowed;
        for (const char* command : {"[ERASE]", "[ERASEALL]"}) {
            EXPECT_EQ(erase(command, c.privilege), QStringList{c.event}) << command;
            EXPECT_TRUE(handled());
            EXPECT_TRUE(consoleLines().contains(c.line)) << c.line;
            EXPECT_EQ(answers().size(), 1);
        }
    }
    EXPECT_EQ(count("SELECT * FROM users_stats"), 0);
}

TEST_F(EraseResponses, IsNoCommandInAnUnaddressedChannelMessageNorWithoutALastExchange) {
    taught("%HOW%ARE%YOU%", " GOOD ");
    EXPECT_TRUE(erase("[ERASE]").isEmpty());  // no last phrase of the user
    EXPECT_FALSE(handled());
    lastExchange("Anna", "HOW ARE YOU", QString());
    EXPECT_TRUE(erase("[ERASE]").isEmpty());  // the character has not answered him yet
    EXPECT_FALSE(handled());

    lastExchange("Anna", "HOW ARE YOU", "Good");
    EXPECT_TRUE(erase("[ERASE]", Privilege::Owner, "Anna", TargetKind::Channel).isEmpty());
    // A basic moderator may erase responses, also from a channel message that names the
    // character.
    EXPECT_EQ(erase("I SAID [ERASE] NOW", Privilege::BasicModerator, "Anna",
                    TargetKind::HighlightedChannel),
              QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_TRUE(answers().isEmpty());
}

TEST_F(EraseResponses, ProtectedTaughtResponsesGoOnlyWithTheirTeacherOrAnOwner) {
    settings().protectTaughtResponses = true;
    taught("%HI%", " HELLO ", "Bob");
    taught("%HI%", " HEY ", "Anna");
    lastExchange("Anna", "HI", "Hello");
    lastExchange("Carl", "HI", "Hello");
    lastExchange("Dora", "HI", "Hello");
    const QString protectedEvent = "On Manual Erasing - Response - Protected";
    EXPECT_EQ(erase("[ERASE]", Privilege::SuperModerator, "Anna"), QStringList{protectedEvent});
    EXPECT_TRUE(handled());
    EXPECT_TRUE(consoleLines().contains("A.I. > Response is protected from erasing."));
    EXPECT_EQ(erase("[ERASE]", Privilege::BasicModerator, "Carl"), QStringList{protectedEvent});
    EXPECT_EQ(answers().size(), 2);

    // Her own answer, but erasing every answer would take Bob's along.
    lastExchange("Anna", "HI", "Hey");
    EXPECT_EQ(erase("[ERASEALL]", Privilege::SuperModerator, "Anna"), QStringList{protectedEvent});
    EXPECT_EQ(answers().size(), 2);
    lastExchange("Anna", "HI", "Hey");
    EXPECT_EQ(erase("[ERASE]", Privilege::SuperModerator, "Anna"),
              QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_EQ(answers(), QStringList{"%HI% = HELLO "});

    EXPECT_EQ(erase("[ERASE]", Privilege::Owner, "Dora"),
              QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_TRUE(answers().isEmpty());
}

// The character answered HI with HELLO; later a user asked WHY about that answer and taught
// BECAUSE for the contextual question.
class EraseLinkedResponses : public EraseResponses {
  protected:
    EraseLinkedResponses() {
        lastExchange("Anna", "HI", "Hello");
        taught("%HI%", " HELLO ");
        taught("%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%", " BECAUSE ");
        taught("%REALLY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%", " YES ", "", "interface_q");
        // The same answer to another question, and a question asked after another answer.
        taught("%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%THERE%", " OTHER QUESTION ");
        taught("%WHY%0Y1Z0X1Y%HELLO%THERE%1Y0Z1X0Y%HI%", " OTHER ANSWER ");
    }
};

TEST_F(EraseLinkedResponses, ProtectedContextKeepsTheAnswerAndNamesItsKeywords) {
    settings().protectContextualData = true;
    EXPECT_EQ(erase("[ERASE]"), QStringList{"On Manual Erasing - Response - Contain Context Data"});
    EXPECT_TRUE(handled());
    EXPECT_EQ(answers().size(), 4);
    EXPECT_TRUE(consoleLines().contains("A.I. > Response linked with contextual data."));
    const QString keywords = engine->state.stores.userVariables("Anna").linkedContextKeywords;
    EXPECT_TRUE(keywords == "WHY" || keywords == "REALLY") << keywords.toStdString();
}

TEST_F(EraseLinkedResponses, WithoutProtectionTheContextGoesWithTheAnswerUnlessItIsKept) {
    settings().keepLinkedContextualData = true;
    EXPECT_EQ(erase("[ERASE]"), QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_EQ(answers().size(), 3);
    EXPECT_EQ(answers("interface_q").size(), 1);
    EXPECT_FALSE(consoleLines().contains("A.I. > Processing contextual data check.."));

    taught("%HI%", " HELLO ");
    lastExchange("Anna", "HI", "Hello");
    settings().keepLinkedContextualData = false;
    EXPECT_EQ(erase("[ERASE]"), QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_EQ(answers(), (QStringList{"%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%THERE% = OTHER QUESTION ",
                                      "%WHY%0Y1Z0X1Y%HELLO%THERE%1Y0Z1X0Y%HI% = OTHER ANSWER "}));
    EXPECT_TRUE(answers("interface_q").isEmpty());
}

TEST_F(EraseLinkedResponses, AnAnswerWithoutLinkedContextIsErasedUnderProtection) {
    settings().protectContextualData = true;
    lastExchange("Bob", "HOW ARE YOU", "Fine");
    taught("%HOW%ARE%YOU%", " FINE ");
    EXPECT_EQ(erase("[ERASE]", Privilege::Owner, "Bob"),
              QStringList{"On Manual Erasing - Response - Success"});
    EXPECT_TRUE(consoleLines().contains("A.I. > Response not linked with contextual data."));
    EXPECT_EQ(answers().size(), 4);
}

}  // namespace
