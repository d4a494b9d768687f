#include "answer/phrase_rules.h"
#include "answer/erase_command_check.h"
#include "answer/stage_fixture.h"
#include "answer/system_commands.h"

#include <gtest/gtest.h>

namespace {

class PhraseRules : public StageFixture {
  protected:
    void rule(const QString& table, const QString& indefinite, const QString& definite) {
        brain.db().execute("INSERT INTO " + table + " (indefinite, definite) VALUES (?, ?)",
                           {indefinite, definite});
    }
    void commandSynonym(const QString& i, const QString& d) { rule("words_cmd_syn", i, d); }
    void correction(const QString& i, const QString& d) { rule("words_correction", i, d); }
    void synonym(const QString& i, const QString& d) { rule("words_relationship", i, d); }

    // Runs the stage on a phrase whose unfolded copy is the phrase itself.
    QString run(void (*stage)(Engine&), const QString& phrase) {
        input(phrase).PhraseBeforeCorrection = phrase;
        stage(*engine);
        return request().WorkPhrase;
    }
    bool logged(const QString& line) const { return consoleLines().contains(line); }
    qsizetype loggedCount(const QString& line) const { return consoleLines().count(line); }
};

struct RewriteCase {
    const char* phrase;
    const char* expected;
};

TEST_F(PhraseRules, CommandSynonymsTurnWordsIntoTeachingSymbolsUnlessBothSidesWouldBeEqual) {
    commandSynonym("FORGET", "<>");
    commandSynonym("MEANS", "=");
    const RewriteCase cases[] = {
        {"HELLO FORGET HI", "HELLO<>HI"},
        {"HELLO FORGET HELLO", "HELLO FORGET HELLO"},  // «HELLO<>HELLO» would erase nothing
        {"FORGET", "<>"},                              // a bare symbol is always allowed
        {"COLOUR MEANS COLOR", "COLOUR=COLOR"},
        {"COLOUR MEANS COLOUR", "COLOUR MEANS COLOUR"},
        {"A<>B MEANS C", "A<>B MEANS C"},  // no teaching symbol on the left of "="
        {"FORGETFUL", "FORGETFUL"},        // a single word is rewritten as a whole word only
    };
    for (const auto& [phrase, expected] : cases)
        EXPECT_EQ(run(ApplyCommandSynonyms, phrase), expected) << phrase;
    EXPECT_TRUE(logged("A.I. > Searching for command synonym(s).."));
}

TEST_F(PhraseRules, ACommandSynonymIsCarriedIntoTheUnfoldedCopy) {
    commandSynonym("FORGET", "<>");
    input("HOWDY FORGET HELLO").PhraseBeforeCorrection = "HOWDYY FORGET HELLO";
    ApplyCommandSynonyms(*engine);
    EXPECT_EQ(request().WorkPhrase, "HOWDY<>HELLO");
    EXPECT_EQ(request().PhraseBeforeCorrection, "HOWDYY<>HELLO");
    EXPECT_TRUE(logged("A.I. > Found command: \"<>\" for command synonym: \"forget\"."));
}

TEST_F(PhraseRules, InLatvianModeACommandSynonymIsJudgedAndCarriedInBothSpellings) {
    settings().latvianLanguageMode = true;
    commandSynonym("DZĒST", "<>");
    input("HELLO DZĒST HI").PhraseBeforeCorrection = "HELLO DZEEST HI";
    ApplyCommandSynonyms(*engine);
    EXPECT_EQ(request().WorkPhrase, "HELLO<>HI");
    EXPECT_EQ(request().PhraseBeforeCorrection, "HELLO<>HI");

    input("HI DZĒST HI").PhraseBeforeCorrection = "HI DZEEST HI";
    ApplyCommandSynonyms(*engine);
    EXPECT_EQ(request().WorkPhrase, "HI DZĒST HI");
}

TEST(SpellLatvianCommandSynonym, WritesLettersAsDigraphsAndDigraphsAsLetters) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"DZĒST", "DZEEST", "DZĒST"},
        {"DZEESH", "DZEESH", "DZĒŠ"},
        {"ŠĀĢČŅĶĻĒŪĪŽ", "SHAAGJCHNJKJLJEEUUIIZH", "ŠĀĢČŅĶĻĒŪĪŽ"},
        {"FORGET", "FORGET", "FORGET"},
    };
    for (const auto& [word, digraphs, letters] : cases) {
        const auto [d, l] = SpellLatvianCommandSynonym(QString::fromUtf8(word));
        EXPECT_EQ(d, QString::fromUtf8(digraphs)) << word;
        EXPECT_EQ(l, QString::fromUtf8(letters)) << word;
    }
}

TEST_F(PhraseRules, ContextualPhrasesGetCorrectionsButNoCommandSynonymsOrSynonyms) {
    commandSynonym("FORGET", "<>");
    correction("TEH", "THE");
    synonym("HOWDY", "HELLO");
    const QString contextual = "WHY 0Y1Z0X1Y FORGET TEH HOWDY";
    EXPECT_EQ(run(ApplyCommandSynonyms, contextual), contextual);
    EXPECT_FALSE(logged("A.I. > Searching for command synonym(s).."));
    EXPECT_EQ(run(ApplyCorrections, contextual), "WHY 0Y1Z0X1Y FORGET THE HOWDY");
    EXPECT_EQ(run(ApplySynonyms, contextual), contextual);
    EXPECT_FALSE(logged("A.I. > Searching for word(s) synonym(s).."));
}

TEST_F(PhraseRules, CorrectionsReplaceMisspeltWordsButNeverMakeAnEraseCommandAboutEqualSides) {
    correction("TEH", "THE");
    correction("WROGN", "WRONG");
    const RewriteCase cases[] = {
        {"WHAT IS TEH TIME", "WHAT IS THE TIME"}, {"TEH", "THE"},
        {"WROGN<>WRONG", "WROGN<>WRONG"},         {"WROGN<>WRONGLY", "WRONG<>WRONGLY"},
        {"NOTHING TO DO", "NOTHING TO DO"},
    };
    for (const auto& [phrase, expected] : cases)
        EXPECT_EQ(run(ApplyCorrections, phrase), expected) << phrase;
    run(ApplyCorrections, "WHAT IS TEH TIME");
    EXPECT_TRUE(logged("A.I. > Found correction: \"the\" for incorrect word: \"teh\"."));
    run(ApplyCorrections, "NOTHING TO DO");
    EXPECT_TRUE(logged("A.I. > No incorrect word(s) found."));
}

TEST_F(PhraseRules, RulesThatFeedThemselvesOrEachOtherAreAppliedOnceEach) {
    correction("AB", "ABC");  // matches its own replacement
    EXPECT_EQ(run(ApplyCorrections, "SAY AB NOW"), "SAY ABC NOW");
    EXPECT_EQ(loggedCount("A.I. > Found correction: \"abc\" for incorrect word: \"ab\"."), 1);

    brain.db().execute("DELETE FROM words_correction");
    correction("PING", "PONG");
    correction("PONG", "PING");
    EXPECT_EQ(run(ApplyCorrections, "SAY PING"), "SAY PING");

    for (const char* table : {"words_cmd_syn", "words_relationship"}) {
        rule(table, "PING", "PONG");
        rule(table, "PONG", "PING");
    }
    EXPECT_EQ(run(ApplyCommandSynonyms, "SAY PING"), "SAY PING");
    EXPECT_EQ(run(ApplySynonyms, "SAY PING"), "SAY PING");
}

TEST_F(PhraseRules, RulesThatDoubleThePhraseStopGrowingIt) {
    // Each rule matches what the one before made and doubles it.
    for (int length = 1; length <= 8192; length *= 2)
        synonym(QString(length, 'X'), QString(2 * length, 'X'));
    const QString result = run(ApplySynonyms, "X Y");
    EXPECT_GT(result.size(), 2000);
    EXPECT_LE(result.size(), 4003);
    EXPECT_TRUE(result.endsWith(" Y"));
}

TEST_F(PhraseRules, SynonymsReplaceWholeWordsAndPhrasesLongestFirst) {
    synonym("HOWDY", "HELLO");
    synonym("HOW DO YOU DO", "HOW ARE YOU");
    synonym("DO", "MAKE");
    const RewriteCase cases[] = {
        {"HOWDY", "HELLO"},
        {"SAY HOWDY THERE", "SAY HELLO THERE"},
        {"HOWDYS", "HOWDYS"},
        {"HOW DO YOU DO", "HOW ARE YOU"},
        {"DO IT", "MAKE IT"},
        {"HOWDY=HELLO", "HOWDY=HELLO"},            // a teaching command is left alone
        {"HOWDY [POSITIVE]", "HOWDY [POSITIVE]"},  // and so is a system command
    };
    for (const auto& [phrase, expected] : cases)
        EXPECT_EQ(run(ApplySynonyms, phrase), expected) << phrase;
    run(ApplySynonyms, "SAY HOWDY THERE");
    EXPECT_TRUE(logged("A.I. > Found synonym: \"hello\" for word(s): \"howdy\"."));
}

TEST_F(PhraseRules, ASynonymRuleMetAFifthTimeEndsTheStage) {
    synonym("HOWDY", "HELLO");
    const auto statements = [this](const QString& phrase) {
        const qint64 before = engine->db.statementCount();
        EXPECT_EQ(run(ApplySynonyms, phrase), "HELLO THERE");
        return engine->db.statementCount() - before;
    };
    // The first run of each kind also takes the copies of the stored patterns.
    statements("HOWDY THERE");
    const qint64 plain = statements("HOWDY THERE");
    // A pattern that matches every phrase keeps coming back; each further meeting asks the brain
    // once more, and the fifth ends the stage with the tidying done.
    synonym("Q*", "X");
    statements("HOWDY THERE");
    EXPECT_EQ(statements("HOWDY THERE"), plain + 4);
    EXPECT_FALSE(logged("A.I. > Found synonym: \"x\" for word(s): \"q*\"."));
}

TEST_F(PhraseRules, APatternThatIsNoRegularExpressionMatchesNothingAndSparesTheOthers) {
    for (const char* table : {"words_cmd_syn", "words_correction", "words_relationship"})
        rule(table, "(TEH", "BROKEN");
    correction("TEH", "THE");
    synonym("HOWDY", "HELLO");
    commandSynonym("FORGET", "<>");
    EXPECT_EQ(run(ApplyCommandSynonyms, "A FORGET B"), "A<>B");
    EXPECT_EQ(run(ApplyCorrections, "(TEH TEH"), "(THE THE");
    EXPECT_EQ(run(ApplySynonyms, "HOWDY (TEH"), "HELLO (TEH");
}

TEST_F(PhraseRules, TheTidyingRemovesTheSpacingAroundTeachingSymbols) {
    const RewriteCase cases[] = {
        {"A # B", "A#B"},    {"A < > B", "A<>B"}, {"A = B", "A=B"},
        {"A < < B", "A<<B"}, {"A > > B", "A>>B"}, {"  A  B  ", "A B"},
    };
    for (const auto& [phrase, expected] : cases)
        EXPECT_EQ(run(ApplySynonyms, phrase), expected) << phrase;
}

TEST_F(PhraseRules, TrainingNoticesNameTheFirstThreeCommandsAndCorrectionsAndEverySynonym) {
    settings().allowTrainingMode = true;
    fakes.irc.online = true;
    brain.db().execute("INSERT INTO users_options (user, ease_teaching) VALUES (?, 'YES')",
                       {EncodeNick("Anna")});
    const QStringList words = {"FIRSTW", "SECONDW", "THIRDW", "FOURTHW"};
    for (const QString& word : words) {
        commandSynonym(word, ">>");
        correction(word, word.chopped(1));
        synonym(word, word.chopped(1));
    }
    const std::tuple<void (*)(Engine&), const char*, qsizetype> cases[] = {
        {ApplyCommandSynonyms, "ACTION Anna :found command: ", 3},
        {ApplyCorrections, "ACTION Anna :found correction: ", 3},
        {ApplySynonyms, "ACTION Anna :found synonym: ", 4},
    };
    for (const auto& [stage, notice, expected] : cases) {
        fakes.irc.sent.clear();
        input(words.join(' '), "Anna", TargetKind::Private).PhraseBeforeCorrection =
            words.join(' ');
        stage(*engine);
        const QStringList sent = fakes.irc.sent.filter(notice);
        EXPECT_EQ(sent.size(), expected) << notice;
        EXPECT_EQ(consoleLines().filter("A.I. > Found ").size(), 4) << notice;
    }
    EXPECT_TRUE(
        fakes.irc.sent.contains("ACTION Anna :found synonym: \"first\" for word(s): \"firstw\"."));
}

TEST_F(PhraseRules, ProtectingSystemCommandsFramesThemAndRestoresOnlyTheBracketsItSpelt) {
    const RewriteCase cases[] = {
        {"[STOPLONELY]", "  [STOPLONELY]  "},
        {"HI[ERASE]", " HI [ERASE]  "},
        {"XXSYSMSGYY", "  XXSYSMSGYY  "},  // typed letters stay letters
        {"[USERNICK]", "  [USERNICK]  "},
        {"HI=THERE", " HI = THERE "},
        {"A B", " A  B "},
    };
    for (const auto& [phrase, expected] : cases) {
        input(phrase);
        ProtectSystemCommands(*engine);
        EXPECT_EQ(request().WorkPhrase, expected) << phrase;
    }
}

TEST_F(PhraseRules, ProtectedPhrasesAreContextualTeachingOrSystemPhrases) {
    const std::pair<const char*, bool> cases[] = {
        {"A=B", true},
        {"A#B", true},
        {"WHY 0Y1Z0X1Y HI", true},
        {"[POSITIVE] NICE", true},
        {"HELLO [USERNICK]", true},
        {"NICE DAY", false},
        {"A<>B", false},
    };
    for (const auto& [phrase, protectedPhrase] : cases) {
        input(phrase);
        EXPECT_EQ(IsProtectedPhrase(*engine), protectedPhrase) << phrase;
    }
}

TEST(EraseCommandCheck, RejectsRewritesThatLeaveEqualSidesOrNestedSymbols) {
    struct Case {
        const char* rewritten;
        RuleKind kind;
        bool latvian, passes;
    };
    const Case cases[] = {
        {"WRONG<>WRONG", RuleKind::Correction, false, false},
        {" WRONG <> WRONG ", RuleKind::Synonym, false, false},
        {"WRONG<>RIGHT", RuleKind::Correction, false, true},
        {"<><><>", RuleKind::Synonym, false, false},
        {" <> <> <> ", RuleKind::Correction, false, false},
        {"===", RuleKind::CommandSynonym, false, false},
        {"= = =", RuleKind::CommandSynonym, true, false},
        {"A=A", RuleKind::CommandSynonym, false, false},
        {"A=A", RuleKind::Correction, false, true},  // only command synonyms look at "="
        {"A#B=C", RuleKind::CommandSynonym, false, false},
        {"A>>B<>C", RuleKind::CommandSynonym, false, false},
        {"A>>B<>C", RuleKind::Synonym, false, true},
        {" <> ", RuleKind::CommandSynonym, false, true},
        {"##", RuleKind::CommandSynonym, false, true},
        {"HELLO", RuleKind::Synonym, false, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PassesEraseCommandCheck(c.rewritten, c.kind, c.latvian), c.passes) << c.rewritten;
}

}  // namespace
