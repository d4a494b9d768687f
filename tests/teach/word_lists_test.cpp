#include "teach/word_lists.h"

#include "answer/stage_fixture.h"

#include <gtest/gtest.h>

namespace {

class WordLists : public StageFixture {
  protected:
    WordLists() { settings().allowDataTeaching = settings().allowDataErasing = true; }

    // Runs the whole chain of word-list stages, as the cycle does, on a phrase of Anna's; the
    // events raised.
    QStringList say(const QString& phrase, Privilege privilege = Privilege::SuperModerator,
                    TargetKind kind = TargetKind::Private, const QString& typed = {}) {
        Request& r = input(phrase, "Anna", kind);
        r.Privilege = privilege;
        r.OriginalPhrase = typed.isEmpty() ? phrase : typed;
        const Outcomes& o = engine->state.outcomes;
        for (auto* stage :
             {TeachContextKeywords, EraseContextKeywords, TeachCaseWords, EraseCaseWords,
              TeachPositiveWords, TeachNegativeWords, ErasePositiveWords, EraseNegativeWords}) {
            stage(*engine);
            if (o.TeachingHandled || o.ErasingHandled) break;
        }
        return events;
    }
    QStringList column(const QString& table, const QString& name) {
        QStringList values;
        Query& db = brain.db();
        for (db.open("SELECT * FROM " + table + " ORDER BY " + name); !db.eof(); db.next())
            values << db.field(name);
        return values;
    }
    void taught(const QString& table, const QString& question) {
        brain.db().execute("INSERT INTO " + table + " (question, answer) VALUES (?, ' OK ')",
                           {question});
    }
};

TEST_F(WordLists, TheTokenMayStandAnywhereAndOnlyOneBlankGoesAtEachEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"GREAT [POSITIVE]", "GREAT"},
        {"[POSITIVE] NICE", "NICE"},
        {"VERY [POSITIVE] GOOD", "VERY  GOOD"},
    };
    for (const auto& [phrase, stored] : cases) {
        EXPECT_EQ(say(phrase), QStringList{"On Manual Learning - Positive - Success"}) << phrase;
        EXPECT_TRUE(column("words_positive", "positive").contains(stored)) << phrase;
        EXPECT_TRUE(engine->state.outcomes.TeachingHandled);
        EXPECT_TRUE(request().Answered);
    }
    EXPECT_TRUE(consoleLines().contains("A.I. > Learned new positive word(s)."));
    EXPECT_EQ(value("SELECT * FROM words_positive WHERE positive='GREAT'", {}, "owner"), "Anna");
    EXPECT_EQ(value("SELECT * FROM words_positive WHERE positive='GREAT'", {}, "date_learned"),
              "2026.12.09");

    EXPECT_EQ(say("AWFUL [NEGATIVE]"), QStringList{"On Manual Learning - Negative - Success"});
    EXPECT_EQ(column("words_negative", "negative"), QStringList{"AWFUL"});
}

TEST_F(WordLists, AWordIsNeverPositiveAndNegativeNorTaughtTwiceNorEmpty) {
    say("[POSITIVE] GREAT");
    say("[NEGATIVE] AWFUL");
    const std::pair<const char*, const char*> cases[] = {
        {"[NEGATIVE] GREAT", "On Manual Learning - Negative - Wrong"},
        {"[POSITIVE] AWFUL", "On Manual Learning - Positive - Wrong"},
        {"[POSITIVE] GREAT", "On Manual Learning - Information Exist"},
        {"[NEGATIVE] AWFUL", "On Manual Learning - Information Exist"},
    };
    for (const auto& [phrase, event] : cases)
        EXPECT_EQ(say(phrase), QStringList{event}) << phrase;
    // An empty word would match every phrase: without a word there is no command, and nothing
    // claims the word is on the other list.
    for (const char* phrase : {"[POSITIVE]", "[NEGATIVE] ", "[POSITIVE]  "}) {
        EXPECT_TRUE(say(phrase).isEmpty()) << phrase;
        EXPECT_FALSE(engine->state.outcomes.TeachingHandled) << phrase;
    }
    EXPECT_EQ(column("words_positive", "positive"), QStringList{"GREAT"});
    EXPECT_EQ(column("words_negative", "negative"), QStringList{"AWFUL"});
}

// Said in full, a command whose word normalises to nothing is no command either, whatever the
// other list holds.
TEST_F(EngineFixture, APositiveCommandWithoutAWordIsNoCommand) {
    engine->state.settings.allowDataTeaching = true;
    say("[POSITIVE] (((");
    EXPECT_FALSE(fakes.console.lines.join('\n').contains("seems wrong"));
    EXPECT_FALSE(engine->state.outcomes.TeachingHandled);
    Query& db = brain.db();
    db.open("SELECT COUNT(*) AS n FROM words_positive");
    EXPECT_EQ(db.field("n"), "0");
}

TEST_F(WordLists, ErasingWhatIsNotThereIsToldSo) {
    say("[POSITIVE] GREAT");
    say("[NEGATIVE] AWFUL");
    EXPECT_EQ(say("[NOPOSITIVE] GREAT"), QStringList{"On Manual Erasing - Positive - Success"});
    EXPECT_EQ(say("AWFUL [NONEGATIVE]"), QStringList{"On Manual Erasing - Negative - Success"});
    EXPECT_TRUE(column("words_positive", "positive").isEmpty());
    EXPECT_TRUE(column("words_negative", "negative").isEmpty());
    const std::pair<const char*, const char*> cases[] = {
        {"[NOPOSITIVE] GREAT", "A.I. > Positive word(s) does not exist."},
        {"[NONEGATIVE] AWFUL", "A.I. > Negative word(s) does not exist."},
        {"[NOCSWORD] iPod", "A.I. > Case sensitive word(s) does not exist."},
        {"WHY<<", "A.I. > Context keyword(s) does not exist."},
        {"[NOPOSITIVE]", "A.I. > Positive word(s) does not exist."},
    };
    for (const auto& [phrase, line] : cases) {
        EXPECT_EQ(say(phrase), QStringList{"On Manual Erasing - Information Not Exist"}) << phrase;
        EXPECT_TRUE(engine->state.outcomes.ErasingHandled);
        EXPECT_TRUE(consoleLines().contains(line)) << line;
    }
}

// Only owners, co-owners and super moderators change word lists.
TEST_F(WordLists, RefusalsByTheOwnersSettingsAndThePrivileges) {
    brain.db().execute("INSERT INTO words_positive (positive) VALUES ('GREAT')");
    struct Case {
        const char* phrase;
        const char* family;
        const char* noun;
    };
    const Case commands[] = {
        {"[POSITIVE] NICE", "On Manual Learning - ", "Positive word(s) learning"},
        {"[NOPOSITIVE] GREAT", "On Manual Erasing - ", "Positive word(s) erasing"},
        {"[NEGATIVE] BAD", "On Manual Learning - ", "Negative word(s) learning"},
        {"[NONEGATIVE] BAD", "On Manual Erasing - ", "Negative word(s) erasing"},
        {"[CSWORD] iPod", "On Manual Learning - ", "Case sensitive word(s) learning"},
        {"[NOCSWORD] iPod", "On Manual Erasing - ", "Case sensitive word(s) erasing"},
        {"WHY>>", "On Manual Learning - ", "Context keyword(s) learning"},
        {"WHY<<", "On Manual Erasing - ", "Context keyword(s) erasing"},
    };
    for (const Case& c : commands) {
        const QString family = c.family;
        const QString lead = QString("A.I. > ") + c.noun;
        EXPECT_EQ(say(c.phrase, Privilege::BasicUser), QStringList{family + "Restricted For You"})
            << c.phrase;
        EXPECT_TRUE(consoleLines().contains(lead + " restricted for user: Anna")) << c.phrase;
        EXPECT_EQ(say(c.phrase, Privilege::BasicModerator), QStringList{family + "Limited For You"})
            << c.phrase;
        EXPECT_TRUE(consoleLines().contains(lead + " limited for user: Anna")) << c.phrase;
        EXPECT_TRUE(say(c.phrase, Privilege::SuperModerator, TargetKind::Channel).isEmpty())
            << c.phrase;  // not meant for the character

        settings().allowDataTeaching = settings().allowDataErasing = false;
        const QString notAllowed =
            family.contains("Erasing") ? "Erasing Not Allowed" : "Learning Not Allowed";
        EXPECT_EQ(say(c.phrase, Privilege::Owner), QStringList{family + notAllowed}) << c.phrase;
        EXPECT_TRUE(consoleLines().contains(lead + " restricted by owner.")) << c.phrase;
        EXPECT_TRUE(consoleLines().contains(lead + " canceled.")) << c.phrase;
        settings().allowDataTeaching = settings().allowDataErasing = true;
    }
    EXPECT_EQ(column("words_positive", "positive"), QStringList{"GREAT"});
    for (const char* table : {"words_negative", "words_cs", "words_css", "words_context"})
        EXPECT_EQ(count(QString("SELECT * FROM ") + table), 0) << table;
}

TEST_F(WordLists, CaseWordsKeepTheCaseTypedOneWordApartFromSeveral) {
    EXPECT_EQ(say("[CSWORD] IPOD", Privilege::SuperModerator, TargetKind::Private, "[csword] iPod"),
              QStringList{"On Manual Learning - Case Sensitive Word - Success"});
    EXPECT_EQ(say("NEW YORK [CSWORD]", Privilege::SuperModerator, TargetKind::Private,
                  "New   York  [CSWORD]"),
              QStringList{"On Manual Learning - Case Sensitive Word - Success"});
    EXPECT_EQ(column("words_cs", "word"), QStringList{" iPod "});
    EXPECT_EQ(column("words_css", "words"), QStringList{" New York "});

    EXPECT_EQ(say("[CSWORD] IPOD", Privilege::SuperModerator, TargetKind::Private, "[CSWORD] iPod"),
              QStringList{"On Manual Learning - Information Exist"});
    EXPECT_EQ(say("[NOCSWORD] NEW YORK", Privilege::SuperModerator, TargetKind::Private,
                  "[NOCSWORD] New York"),
              QStringList{"On Manual Erasing - Case Sensitive Word - Success"});
    EXPECT_TRUE(column("words_css", "words").isEmpty());
    EXPECT_EQ(column("words_cs", "word"), QStringList{" iPod "});
}

TEST_F(WordLists, ContextKeywordsAreStoredFramedAndNeverCollideWithCommands) {
    EXPECT_EQ(say("WHY>>"), QStringList{"On Manual Learning - Context - Success"});
    EXPECT_EQ(say("[REALLY]>>"), QStringList{"On Manual Learning - Context - Success"});
    EXPECT_EQ(column("words_context", "context_words"), (QStringList{" WHY ", " XXREALLYYY "}));
    EXPECT_EQ(say("WHY>>"), QStringList{"On Manual Learning - Information Exist"});
    for (const char* phrase : {"[ERASE]>>", ">>", " >>", "0Y1Z0X1Y>>"})
        EXPECT_EQ(say(phrase), QStringList{"On Manual Learning - Context - Wrong"}) << phrase;
    EXPECT_EQ(count("SELECT * FROM words_context"), 2);
}

// WHY was asked about the answer HELLO; REALLY WHY is a keyword set of its own.
class LinkedContextKeywords : public WordLists {
  protected:
    LinkedContextKeywords() {
        say("WHY>>");
        say("REALLY WHY>>");
        taught("interface_s", "%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%");
        taught("interface_q", "%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%REALLY%0Y1Z0X1Y%HEY%1Y0Z1X0Y%HI%");
        taught("interface_q", "%REALLY%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%");
        taught("interface_s", "%WHY%");
    }
    int questions() {
        return count("SELECT * FROM interface_s") + count("SELECT * FROM interface_q");
    }
};

TEST_F(LinkedContextKeywords, ProtectedContextKeepsKeywordsThatQuestionsUse) {
    settings().protectContextualData = true;
    EXPECT_EQ(say("WHY<<"), QStringList{"On Manual Erasing - Context - Linked With Interface"});
    EXPECT_TRUE(consoleLines().contains(
        "A.I. > Context keyword(s) \"why\" linked with interface data (count: 2)."));
    EXPECT_TRUE(engine->state.outcomes.ErasingHandled);
    EXPECT_EQ(count("SELECT * FROM words_context"), 2);
    EXPECT_EQ(questions(), 4);
}

TEST_F(LinkedContextKeywords, UnprotectedTheirQuestionsGoWithThemUnlessKept) {
    settings().keepLinkedContextualData = true;
    EXPECT_EQ(say("WHY<<"), QStringList{"On Manual Erasing - Context - Success"});
    EXPECT_EQ(column("words_context", "context_words"), QStringList{" REALLY WHY "});
    EXPECT_EQ(questions(), 4);

    say("WHY>>");
    settings().keepLinkedContextualData = false;
    EXPECT_EQ(say("WHY<<"), QStringList{"On Manual Erasing - Context - Success"});
    EXPECT_TRUE(consoleLines().contains("A.I. > Modified: 2 occurences in Q.I.V.O™ interface."));
    EXPECT_EQ(column("interface_q", "question"),
              QStringList{"%REALLY%WHY%0Y1Z0X1Y%HELLO%1Y0Z1X0Y%HI%"});
    EXPECT_EQ(column("interface_s", "question"), QStringList{"%WHY%"});
}

}  // namespace
