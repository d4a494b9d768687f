#include "brain/query.h"
#include "engine/cycle_parts.h"
#include "engine/input_queue.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every stage of the cycle stands in as a recorder; a case makes one of them act.
class CycleJumps : public EngineFixture {
  protected:
    CycleJumps() {
        for (Stage* stage : engine->stages.all()) {
            const QString name = stage->name();
            *stage = [this, name](Engine& e) {
                ran << name;
                if (name == actor && action) action(e);
            };
        }
    }
    bool reached(const char* stage) const { return ran.contains(stage); }
    bool logged() const { return reached("PrepareDelivery"); }

    QStringList ran;
    QString actor;
    std::function<void(Engine&)> action;
};

struct JumpCase {
    const char* name;
    const char* actor;
    std::function<void(Engine&)> action;
    const char* lastStageBeforeEnd;  // the first stage that must no longer run
    bool logged;
};

void PrintTo(const JumpCase& c, std::ostream* os) {
    *os << c.name;
}

class CycleJump : public CycleJumps, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(CycleJump, LeavesThePipelineWhereItShould) {
    const JumpCase& c = GetParam();
    actor = c.actor;
    action = c.action;
    say("hello there");
    EXPECT_TRUE(reached(c.actor)) << ran.join(",").toStdString();
    EXPECT_FALSE(reached(c.lastStageBeforeEnd)) << ran.join(",").toStdString();
    EXPECT_EQ(logged(), c.logged) << ran.join(",").toStdString();
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > NLP finished."));
}

Outcomes& O(Engine& e) {
    return e.state.outcomes;
}
KeyEventCheck& K(Engine& e) {
    return e.state.keyEvents;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CycleJump,
    ::testing::Values(
        JumpCase{"IgnoredUser", "ResolvePrivilege",
                 [](Engine& e) { e.state.request.Privilege = Privilege::Ignored; },
                 "ClassifyInterface", false},
        JumpCase{"CommandDone", "DispatchChatCommand", [](Engine& e) { O(e).CommandDone = true; },
                 "ClassifyInterface", false},
        JumpCase{"KeyEventConsumed", "CheckKeyEvents",
                 [](Engine& e) { K(e).KeyEventOutcome = KeyEventOutcome::Consumed; },
                 "ApplyContextKeywords", false},
        JumpCase{"KeyEventToLog", "CheckKeyEvents",
                 [](Engine& e) { K(e).KeyEventOutcome = KeyEventOutcome::SkipUnderstanding; },
                 "ApplyContextKeywords", true},
        JumpCase{"RepetitionIgnored", "DetectRepetition",
                 [](Engine& e) { O(e).RepetitionOutcome = RepetitionOutcome::Ignored; },
                 "CheckTeacherStatus", false},
        JumpCase{"RepetitionAnswered", "DetectRepetition",
                 [](Engine& e) { O(e).RepetitionOutcome = RepetitionOutcome::Answered; },
                 "CheckTeacherStatus", true},
        JumpCase{"EmptyInputAnswered", "HandleEmptyInput",
                 [](Engine& e) { O(e).EmptyInputAnswered = true; }, "HandleHighlight", true},
        JumpCase{"EmptiedPhrase", "HandleEmptyInput",
                 [](Engine& e) { e.state.request.WorkPhrase.clear(); }, "HandleHighlight", false},
        JumpCase{"HighlightAnswered", "HandleHighlight",
                 [](Engine& e) { O(e).HighlightAnswered = true; }, "AnswerOwner", true},
        JumpCase{"AnswerOwnerAnswered", "AnswerOwner",
                 [](Engine& e) { O(e).AnswerOwnerAnswered = true; }, "EraseSynonym", true},
        JumpCase{"SynonymTaught", "TeachSynonym", [](Engine& e) { O(e).TeachingHandled = true; },
                 "TeachResponse", true},
        JumpCase{"WrongFlagDoesNotEndTheChain", "EraseSynonym",
                 [](Engine& e) { O(e).TeachingHandled = true; }, "NoSuchStage", true},
        JumpCase{"NegativeWordErased", "EraseNegativeWords",
                 [](Engine& e) { O(e).ErasingHandled = true; }, "StopLonely", true},
        JumpCase{"StopLonely", "StopLonely", [](Engine& e) { O(e).StopLonelyAnswered = true; },
                 "StopDelivery", false},
        JumpCase{"StopDelivery", "StopDelivery", [](Engine& e) { O(e).StopMmasAnswered = true; },
                 "ToggleConverter", false},
        JumpCase{"Converter", "ToggleConverter", [](Engine& e) { O(e).ConverterAnswered = true; },
                 "ExpandAdmQuestion", true},
        JumpCase{"AdmExpand", "ExpandAdmQuestion",
                 [](Engine& e) { e.state.request.AdmExpandAnswered = true; }, "LookupAnswer", true},
        JumpCase{"IntelligentModeRefused", "PublicAnswerGate",
                 [](Engine& e) { e.state.publicGate.IntelligentModeRefused = true; },
                 "PrepareEventMessage", false},
        JumpCase{"LinkSkipsAllButResponseTeaching", "DetectLinks",
                 [](Engine& e) { e.state.request.HasLink = true; }, "ApplyContextKeywords", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CycleJumps, WithALinkOnlyResponseTeachingAndAdmExpandRunOfTheCommands) {
    actor = "DetectLinks";
    action = [](Engine& e) { e.state.request.HasLink = true; };
    say("see http://example.com");
    for (const char* skipped : {"ApplySynonyms", "EraseSynonym", "TeachSynonym", "EraseResponse",
                                "StopLonely", "StopDelivery", "ToggleConverter"})
        EXPECT_FALSE(reached(skipped)) << skipped;
    for (const char* run : {"JudgeMood", "TeachResponse", "ExpandAdmQuestion", "LookupAnswer"})
        EXPECT_TRUE(reached(run)) << run;
}

TEST_F(CycleJumps, VersionBannerAnswersEvenBeforePrivileges) {
    engine->state.settings.useDialogIntroForNewUsers = false;
    say("qivoprogramversion");
    EXPECT_FALSE(reached("ResolvePrivilege"));
    EXPECT_TRUE(logged());
    EXPECT_TRUE(
        engine->state.request.OutputPhrase.startsWith("Q.I.V.O™ Quenmark Talvane™ # Version "));
    EXPECT_FALSE(reached("PrepareEventMessage"));
}

TEST_F(CycleJumps, UnansweredChannelMessageGetsNoUnknownAnswer) {
    engine->state.settings.processPublicMessages = true;
    runCycle(ChannelMessage("anna", "#qivo", "nice weather"));
    EXPECT_TRUE(reached("LookupAnswer"));
    EXPECT_FALSE(logged());
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > Processing public message.."));
}

TEST_F(EngineFixture, ThreeQueuedInputsTakeThreeTicksOldestFirst) {
    for (const char* nick : {"a", "b", "c"}) {
        TInput input = LocalInput(*engine, "hi");
        input.UserNick = nick;
        EnqueueIrcInput(*engine, input);
    }
    QStringList nicks;
    for (int tick = 0; tick < 3; ++tick) {
        engine->NLPtimerTimer();
        nicks << engine->state.request.UserNick;
        EXPECT_EQ(engine->NLPtimer.isActive(), tick < 2);
    }
    EXPECT_EQ(nicks, (QStringList{"a", "b", "c"}));
    const QStringList expected = {"NLP COUNT: 0, PROCESSES REMAINING: 2/0",
                                  "NLP COUNT: 1, PROCESSES REMAINING: 1/0",
                                  "NLP COUNT: 2, PROCESSES REMAINING: 0/0"};
    QStringList shown = fakes.console.statusLines;
    shown.removeDuplicates();  // delivery shows the same line again when it starts
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(engine->state.NlpCount, 3);
}

TEST_F(EngineFixture, ACycleShowsItsLinesInOrderAndColours) {
    say("hello");
    const QStringList& lines = fakes.console.lines;
    const qsizetype start = lines.indexOf("A.I. > NLP started.");
    ASSERT_GE(start, 1);
    EXPECT_TRUE(lines[start - 1].startsWith(QString(100, '_') + "  2026.12.09 12:00:00"));
    const QStringList milestones = {
        "A.I. > Processing smart input correction..",
        "A.I. > Finished smart input correction.",
        "A.I. > Processing brain interface section..",
        "A.I. > Answer not found.",
        "A.I. > Answering with the event \"On Unknown Answer - Standard Level 1\".",
        "A.I. > NLP finished.",
        "A.I. > Updated unsolved data."};
    qsizetype at = start;
    for (const QString& milestone : milestones) {
        at = lines.indexOf(milestone, at + 1);
        ASSERT_GT(at, start) << "missing or out of order: " << milestone.toStdString();
    }
    // An input left without an answer is stored as unsolved once the cycle has finished.
    EXPECT_EQ(lines.last(), "A.I. > Updated unsolved data.");
    EXPECT_EQ(fakes.console.colours, (std::vector{ConsoleColour::Red, ConsoleColour::Lime}));
}

TEST_F(EngineFixture, AnEmptyStoreCancelsTheTick) {
    engine->NLPtimerTimer();
    EXPECT_EQ(fakes.console.lines.mid(1),
              (QStringList{"A.I. > Dynamic input data is empty!",
                           "A.I. > NLP (Natural Language Processing) canceled."}));
    EXPECT_FALSE(engine->NLPtimer.isActive());
}

TEST_F(EngineFixture, ClearingTheConsoleReplacesTheSeparator) {
    engine->state.settings.clearLogTextsBeforeEachNlp = true;
    say("one");
    say("two");
    EXPECT_EQ(fakes.console.clears, 2);
    EXPECT_FALSE(fakes.console.lines.join('\n').contains("____"));
}

TEST_F(EngineFixture, AFailingStatementEndsOnlyThatInput) {
    engine->stages.LookupAnswer = [](Engine& e) { e.db.open("SELECT * FROM no_such_table"); };
    EnqueueIrcInput(*engine, LocalInput(*engine, "first"));
    TInput second = LocalInput(*engine, "second");
    second.UserNick = "bob";
    EnqueueIrcInput(*engine, second);
    engine->NLPtimerTimer();
    EXPECT_TRUE(fakes.console.lines.join('\n').contains("A.I. > Error: MySQL error 1146"));
    EXPECT_TRUE(engine->NLPtimer.isActive()) << "the queue goes on";
    EXPECT_FALSE(engine->cycleRunning());
}

TEST(UnknownAnswerEvent, ChosenByLevelLengthAndContext) {
    struct Case {
        const char* category;
        int level;
        QString phrase;
        const char* event;
    };
    const QString q80(80, 'A'), q81(81, 'A'), s90(90, 'A'), s91(91, 'A');
    const Case cases[] = {
        {"interface_q", 0, "WHY", "On Unknown Answer - Question Level 1"},
        {"interface_q", 3, "WHY", "On Unknown Answer - Question Level 3"},
        {"interface_q", 7, "WHY", "On Unknown Answer - Question Level 5"},
        {"interface_q", 1, q80, "On Unknown Answer - Question Level 1"},
        {"interface_q", 1, q81, "On Unknown Answer - Question Max Length"},
        {"interface_q", 1, q81 + " 0Y1Z0X1Y ", "On Unknown Answer - Contextual - Question"},
        {"interface_s", 2, "HI", "On Unknown Answer - Standard Level 2"},
        {"interface_s", 1, s90, "On Unknown Answer - Standard Level 1"},
        {"interface_s", 1, s91, "On Unknown Answer - Standard Max Length"},
        {"interface_s", 1, "WHY 0Y1Z0X1Y BECAUSE", "On Unknown Answer - Contextual - Standard"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnknownAnswerEvent(c.category, c.level, c.phrase), c.event) << c.phrase.size();
}

TEST(LoggedInput, PutsTeachingCommandsBackAndCutsTheContext) {
    const std::pair<const char*, const char*> cases[] = {
        {"HELLO THERE", "hello there"},
        {"PHRASETEACHINGCMD HI THERE", "# hi there"},
        {"SECONDTEACHINGCMD AND YOU", "## and you"},
        {"TEH SMEANGTEACHINGCMD THE", "teh = the"},
        {"WHY 0Y1Z0X1Y BECAUSE", "why"},
        {"A CONTEXTERASINGCMD B CONTEXTERASINGCMD", "a << b contexterasingcmd"},
    };
    for (const auto& [work, logged] : cases)
        EXPECT_EQ(LoggedInput(work), logged) << work;
}

}  // namespace

TEST_F(EngineFixture, EveryCycleCountsTheBrainTablesAfresh) {
    Query& db = brain.db();
    db.execute("INSERT INTO words_cs (word) VALUES ('iPod')");
    db.execute("INSERT INTO words_css (words) VALUES ('New York'), ('Big Apple')");
    db.execute("INSERT INTO words_negative (negative) VALUES ('AWFUL')");
    say("hello");
    const BrainCounts& c = engine->state.counts;
    db.open("SELECT COUNT(*) AS n FROM system_messages");
    EXPECT_EQ(c.systemMessages, db.field("n").toLongLong());
    EXPECT_GT(c.systemMessages, 0);
    EXPECT_EQ(c.caseSensitiveWords, 3);  // single words and word groups together
    EXPECT_EQ(c.negativeWords, 1);
    EXPECT_EQ(c.positiveWords, 0);
}
