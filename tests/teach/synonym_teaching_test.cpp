#include "teach/synonym_teaching.h"

#include "answer/stage_fixture.h"
#include "brain/question_pattern.h"

#include <gtest/gtest.h>

namespace {

class SynonymTeaching : public StageFixture {
  protected:
    SynonymTeaching() {
        settings().allowDataTeaching = true;
        settings().allowDataErasing = true;
        settings().allowInterfaceDataCorrection = false;
        settings().allowContextKeywordCorrection = false;
        settings().allowEventMessageCorrection = false;
    }

    // Runs the stage on a phrase as the teaching stages see it; `typed` is the phrase before
    // smart input correction, the phrase itself unless given. Returns the events raised.
    QStringList run(void (*stage)(Engine&), const QString& phrase, const QString& typed = {},
                    Privilege privilege = Privilege::Owner) {
        Request& r = input(phrase, "Anna", TargetKind::Private);
        r.PhraseBeforeCorrection = typed.isEmpty() ? phrase : typed;
        r.Privilege = privilege;
        stage(*engine);
        return events;
    }
    QStringList learn(const QString& phrase, const QString& typed = {},
                      Privilege privilege = Privilege::Owner) {
        return run(TeachSynonym, phrase, typed, privilege);
    }
    QStringList forget(const QString& phrase, Privilege privilege = Privilege::Owner) {
        return run(EraseSynonym, phrase, {}, privilege);
    }
    int rows(const QString& table, const QString& left, const QString& right) {
        return count("SELECT * FROM " + table + " WHERE indefinite=? AND definite=?",
                     {left, right});
    }
    int definitions() {
        return count("SELECT * FROM words_relationship") + count("SELECT * FROM words_correction") +
               count("SELECT * FROM words_cmd_syn");
    }
    bool logged(const QString& line) const { return consoleLines().contains(line); }
};

const QString kSynonymLearned = "On Manual Learning - Synonym - success";
const QString kCorrectionLearned = "On Manual Learning - Correction - success";
const QString kIncorrect = "On Manual Learning - Synonym - Incorrect";
const QString kRecursive = "On Manual Learning - Synonym - Recursive";
const QString kNotExist = "On Manual Erasing - Information Not Exist";

struct KindCase {
    const char* phrase;
    const char* typed;
    const char* table;
    const char* left;
    const char* right;
    QString event;
    const char* kindLine;
};

TEST_F(SynonymTeaching, TheKindDecidesTheTable) {
    const KindCase cases[] = {
        {"TEH=THE", "", "words_correction", "TEH", "THE", kCorrectionLearned,
         "A.I. > Synonym is a word correction definition."},
        {"COLOUR=COLOR", "", "words_correction", "COLOUR", "COLOR", kCorrectionLearned,
         "A.I. > LD algorithm result: 1/2"},
        {"BIG=LARGE", "", "words_relationship", "BIG", "LARGE", kSynonymLearned,
         "A.I. > LD algorithm result: 4/2"},
        {"HOW ARE YOU=HOW DO YOU DO", "", "words_relationship", "HOW ARE YOU", "HOW DO YOU DO",
         kSynonymLearned, "A.I. > Synonym is a phrase."},
        {"FORGET=<<", "", "words_cmd_syn", "FORGET", "<<", kSynonymLearned,
         "A.I. > Synonym is a command synonym."},
        {"PLEASE ERASE=<>", "", "words_cmd_syn", "PLEASE ERASE", "<>", kSynonymLearned,
         "A.I. > Synonym is a command synonym."},
        {"DITTO=##", "", "words_relationship", "DITTO", "##", kSynonymLearned,
         "A.I. > Synonym is a word."},  // "##" is measured like a word
        // a correction keeps the right side as it was typed
        {"WIHT=WITH", "WIHT=WTIH", "words_correction", "WIHT", "WTIH", kCorrectionLearned,
         "A.I. > LD algorithm result: 2/2"},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.phrase);
        EXPECT_EQ(learn(c.phrase, c.typed), QStringList{c.event});
        EXPECT_EQ(rows(c.table, c.left, c.right), 1);
        EXPECT_TRUE(logged(c.kindLine));
        EXPECT_EQ(request().WorkPhrase, QString(c.left) + '=' + c.right);
        EXPECT_TRUE(engine->state.outcomes.TeachingHandled);
        EXPECT_TRUE(request().Answered);
    }
    EXPECT_EQ(value("SELECT * FROM words_correction WHERE indefinite='TEH'", {}, "owner"),
              EncodeNick("Anna"));
}

struct RefusalCase {
    const char* phrase;
    QString event;
    const char* line;
};

TEST_F(SynonymTeaching, DefinitionsThatCannotWorkAreRefusedWithoutStoringAnything) {
    const RefusalCase cases[] = {
        {"HI=HELLO", kIncorrect, "A.I. > Incorrect synonym."},
        {"#REMEMBER=", kIncorrect, "A.I. > Incorrect synonym."},
        {"=", kIncorrect, "A.I. > Incorrect synonym."},
        {"==", kIncorrect, "A.I. > Incorrect synonym."},
        {"A=A", kIncorrect, "A.I. > Incorrect synonym."},
        {"SAME=SAME", kIncorrect, "A.I. > Incorrect synonym."},
        {"TEH=[USERNICK]", kIncorrect, "A.I. > Incorrect synonym."},
        {"TEH 0Y1Z0X1Y=THE", kIncorrect, "A.I. > Incorrect synonym."},
        {"(TEH=THE", kIncorrect, "A.I. > Incorrect synonym."},  // no regular expression
        {"[ERASE]=REMOVE", kRecursive, "A.I. > Synonym can call recursive overflow."},
        {"NICE [POSITIVE]=GOOD", kRecursive, "A.I. > Synonym can call recursive overflow."},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.phrase);
        EXPECT_EQ(learn(c.phrase), QStringList{c.event});
        EXPECT_TRUE(logged(c.line));
        EXPECT_TRUE(logged("A.I. > Synonym learning canceled."));
        EXPECT_TRUE(engine->state.outcomes.TeachingHandled);
    }
    EXPECT_EQ(definitions(), 0);
}

TEST_F(SynonymTeaching, OnlyOwnersAndSuperModeratorsTeachWhenTheOwnerAllows) {
    const std::tuple<Privilege, bool, const char*, const char*> cases[] = {
        {Privilege::BasicUser, true, "On Manual Learning - Restricted For You",
         "A.I. > Synonym learning restricted for user: Anna"},
        {Privilege::BasicModerator, true, "On Manual Learning - Limited For You",
         "A.I. > Synonym learning limited for user: Anna"},
        {Privilege::Owner, false, "On Manual Learning - Learning Not Allowed",
         "A.I. > Synonym learning restricted by owner."},
    };
    for (const auto& [privilege, allowed, event, line] : cases) {
        settings().allowDataTeaching = allowed;
        EXPECT_EQ(learn("TEH=THE", {}, privilege), QStringList{event});
        EXPECT_TRUE(logged(line)) << line;
    }
    settings().allowDataTeaching = true;
    EXPECT_EQ(learn("TEH=THE", {}, Privilege::SuperModerator), QStringList{kCorrectionLearned});
}

TEST_F(SynonymTeaching, ChainsAndSecondDefinitionsAreRefusedWithinOneTable) {
    EXPECT_EQ(learn("CAR=AUTOMOBILE"), QStringList{kSynonymLearned});
    const RefusalCase cases[] = {
        {"CAR=AUTOMOBILE", kRecursive, "A.I. > Synonym can call recursive overflow."},
        {"AUTOMOBILE=CAR", kRecursive, "A.I. > Synonym can call recursive overflow."},
        {"AUTOMOBILE=VEHICLE", kRecursive, "A.I. > Synonym can call recursive overflow."},
        {"WAGON=CAR", kRecursive, "A.I. > Synonym can call recursive overflow."},
        {"CAR=VEHICLE", "On Manual Learning - Synonym - Already Defined",
         "A.I. > Synonym for word CAR already defined."},
    };
    for (const RefusalCase& c : cases) {
        EXPECT_EQ(learn(c.phrase), QStringList{c.event}) << c.phrase;
        EXPECT_TRUE(logged(c.line)) << c.phrase;
    }
    // A correction and a synonym may chain: the checks look at one table.
    EXPECT_EQ(learn("AUTOMBILE=AUTOMOBILE"), QStringList{kCorrectionLearned});
}

TEST_F(SynonymTeaching, LongSidesAreTaughtLikeShortOnes) {
    const QString left(1000, 'L'), right(1000, 'R');
    EXPECT_EQ(learn(left + '=' + right), QStringList{kSynonymLearned});
    EXPECT_EQ(rows("words_relationship", left, right), 1);
    EXPECT_EQ(forget(left + "<>" + right), QStringList{"On Manual Erasing - Synonym - success"});
}

TEST_F(SynonymTeaching, ErasingRemovesExactlyTheTaughtPair) {
    learn("TEH=THE");
    learn("HOWDY=HELLO");
    learn("FORGET=<<");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"TEH<>THE", "On Manual Erasing - Correction - success",
         "A.I. > Word correction definition erase completed successfully."},
        {"HOWDY<>HELLO", "On Manual Erasing - Synonym - success",
         "A.I. > Synonym erase completed successfully."},
        {"FORGET<><<", "On Manual Erasing - Synonym - success",
         "A.I. > Synonym erase completed successfully."},
        {"HOWDY<>HELLO", "On Manual Erasing - Information Not Exist",
         "A.I. > Synonym does not exist."},
        {"TEH<>THE", "On Manual Erasing - Information Not Exist",
         "A.I. > Word correction definition does not exist."},
        {"<><>", "On Manual Erasing - Information Not Exist", "A.I. > Synonym does not exist."},
    };
    for (const auto& [phrase, event, line] : cases) {
        EXPECT_EQ(forget(phrase), QStringList{event}) << phrase;
        EXPECT_TRUE(logged(line)) << phrase;
        EXPECT_TRUE(engine->state.outcomes.ErasingHandled) << phrase;
    }
    EXPECT_EQ(definitions(), 0);
}

TEST_F(SynonymTeaching, ErasingIsForOwnersAndSuperModeratorsAndLeavesOtherCommandsAlone) {
    learn("TEH=THE");
    const std::tuple<Privilege, bool, const char*> cases[] = {
        {Privilege::BasicUser, true, "On Manual Erasing - Restricted For You"},
        {Privilege::BasicModerator, true, "On Manual Erasing - Limited For You"},
        {Privilege::Owner, false, "On Manual Erasing - Erasing Not Allowed"},
    };
    for (const auto& [privilege, allowed, event] : cases) {
        settings().allowDataErasing = allowed;
        EXPECT_EQ(forget("TEH<>THE", privilege), QStringList{event});
    }
    settings().allowDataErasing = true;
    for (const char* phrase : {"<>=<>", "<>=#", "TEH=THE", "HELLO"}) {
        EXPECT_TRUE(forget(phrase).isEmpty()) << phrase;
        EXPECT_FALSE(engine->state.outcomes.ErasingHandled) << phrase;
    }
    EXPECT_EQ(rows("words_correction", "TEH", "THE"), 1);
}

TEST_F(SynonymTeaching, ACorrectionIsCarriedIntoTheStoredDataAndErasingTurnsBackOnlyPatterns) {
    settings().allowInterfaceDataCorrection = true;
    settings().allowContextKeywordCorrection = true;
    settings().allowEventMessageCorrection = true;
    teach("interface_q", "%WHAT%IS%TEH%TIME%", " ask TEH clock ");
    teach("interface_s", "%TEHRE%", " TEH ");
    brain.db().execute("INSERT INTO words_context (context_words) VALUES (' TEH END ')");
    brain.db().execute(
        "INSERT INTO system_messages (event_name, event_description, event_message) "
        "VALUES ('Test', '', ' see teh end ')");
    const auto stored = [this] {
        return QStringList{
            value("SELECT * FROM interface_q", {}, "question"),
            value("SELECT * FROM interface_q", {}, "answer"),
            value("SELECT * FROM interface_s", {}, "question"),
            value("SELECT * FROM interface_s", {}, "answer"),
            value("SELECT * FROM words_context", {}, "context_words"),
            value("SELECT * FROM system_messages WHERE event_name='Test'", {}, "event_message")};
    };
    const QStringList before = stored();

    learn("TEH=THE");
    EXPECT_EQ(stored(), (QStringList{"%WHAT%IS%THE%TIME%", " ask THE clock ", "%TEHRE%", " THE ",
                                     " THE END ", " see the end "}));
    EXPECT_TRUE(logged("A.I. > Modified: 3 occurences in Q.I.V.O™ interface."));
    EXPECT_TRUE(logged("A.I. > Updated 1 questions."));
    EXPECT_TRUE(logged("A.I. > Updated 0 standard phrases."));
    EXPECT_TRUE(logged("A.I. > Modified: 1 occurences in context keyword database."));
    EXPECT_TRUE(logged("A.I. > Modified: 1 occurences in event system messages."));

    brain.db().execute(
        "INSERT INTO system_messages (event_name, event_description, event_message) "
        "VALUES ('Test', '', ' the end was always spelt right ')");
    forget("TEH<>THE");
    const QStringList after = stored();
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(after[4], before[4]);
    // What the character says keeps the right spelling, also where it never was misspelt.
    EXPECT_EQ(after[1], " ask THE clock ");
    EXPECT_EQ(after[3], " THE ");
    EXPECT_EQ(value("SELECT * FROM system_messages WHERE event_message LIKE '%always%'", {},
                    "event_message"),
              " the end was always spelt right ");
}

TEST_F(SynonymTeaching, ASynonymChangesWholeWordsOfStoredQuestionsOnly) {
    settings().allowInterfaceDataCorrection = true;
    teach("interface_q", "%HOW%BIG%IS%IT%", " BIG ");
    teach("interface_s", "%BIGGER%", " BIG ");
    learn("BIG=LARGE");
    EXPECT_EQ(value("SELECT * FROM interface_q", {}, "question"), "%HOW%LARGE%IS%IT%");
    EXPECT_EQ(value("SELECT * FROM interface_q", {}, "answer"), " BIG ");
    EXPECT_EQ(value("SELECT * FROM interface_s", {}, "question"), "%BIGGER%");
    EXPECT_TRUE(logged("A.I. > Modified: 1 occurences in Q.I.V.O™ interface."));

    learn("HOW LARGE IS IT=WHAT SIZE IS IT");
    EXPECT_EQ(value("SELECT * FROM interface_q", {}, "question"), "%WHAT%SIZE%IS%IT%");
}

TEST_F(SynonymTeaching, CommandSynonymsChangeNoStoredData) {
    settings().allowInterfaceDataCorrection = true;
    teach("interface_q", "%FORGET%IT%", " FORGET ");
    learn("FORGET=<>");
    EXPECT_EQ(value("SELECT * FROM interface_q", {}, "question"), "%FORGET%IT%");
    forget("FORGET<><>");
    EXPECT_EQ(definitions(), 0);
}

// The owner at the local console, through the whole cycle.
class SynonymConversation : public SynonymTeaching {
  protected:
    QString understood(const QString& phrase) {
        say(phrase);
        return request().WorkPhrase;
    }
};

TEST_F(SynonymConversation, TaughtWordsAreUnderstoodAndErasedByTheirCommandSynonym) {
    say("teh=the");
    EXPECT_EQ(rows("words_correction", "TEH", "THE"), 1);
    EXPECT_EQ(understood("what is teh time"), "WHAT IS THE TIME");

    teach("interface_s", "%HELLO%", " HI THERE ");
    say("howdy=hello");
    EXPECT_EQ(rows("words_relationship", "HOWDY", "HELLO"), 1);
    say("howdy");
    EXPECT_TRUE(request().Answered);
    EXPECT_EQ(request().MatchedQuestion, "HELLO");

    say("forget=<>");
    EXPECT_EQ(rows("words_cmd_syn", "FORGET", "<>"), 1);
    say("howdy forget hello");
    EXPECT_EQ(rows("words_relationship", "HOWDY", "HELLO"), 0);
    EXPECT_TRUE(logged("A.I. > Synonym erase completed successfully."));
}

TEST_F(SynonymConversation, MalformedDefinitionsEndTheCycleWithAnAnswer) {
    brain.db().execute("INSERT INTO words_relationship (indefinite, definite) VALUES ('(', 'X')");
    const QString longSide(1000, 'L');
    for (const QString& phrase :
         {QString("=="), QString("<><>"), QString("="), QString("a=a"), QString("(ab=cd"),
          longSide + "=" + longSide + "X", longSide + " " + longSide, QString("hello (")}) {
        fakes.console.lines.clear();
        events.clear();
        say(phrase);
        EXPECT_TRUE(request().Answered || !events.isEmpty()) << phrase.left(20).toStdString();
        EXPECT_TRUE(consoleLines().filter("A.I. > Error").isEmpty())
            << consoleLines().filter("A.I. > Error").join('|').toStdString();
        EXPECT_TRUE(logged("A.I. > NLP finished.")) << phrase.left(20).toStdString();
    }
}

TEST_F(SynonymConversation, ContextKeywordsMakeAShortReplyAContextualQuestion) {
    const QString contextual = "WHY 0Y1Z0X1Y HI THERE 1Y0Z1X0Y HELLO";
    teach("interface_s", "%HELLO%", " HI THERE ");
    teach("interface_s", QuestionPattern(contextual), " JUST BECAUSE ");
    say("why>>");
    say("hello");
    // What delivery records once the answer is out.
    brain.db().execute("UPDATE lastphrase_ai SET phrase='HI THERE' WHERE user=?",
                       {request().UserKey});
    say("why");
    EXPECT_TRUE(logged("A.I. > Context keyword(s) found: \"why\"."));
    EXPECT_TRUE(request().Answered);
    EXPECT_EQ(request().MatchedQuestion, contextual);
}

}  // namespace
