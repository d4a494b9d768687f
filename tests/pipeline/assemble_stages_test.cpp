#include "engine/input_queue.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

TEST_F(EngineFixture, AssemblyFillsEveryStageSlot) {
    for (const Stage* stage : engine->stages.all())
        EXPECT_TRUE(stage->filled()) << stage->name();
    EXPECT_TRUE(engine->stages.complete());
}

TEST_F(EngineFixture, AStageNotBuiltYetSaysSoInADetailedLine) {
    engine->stages.DetectLinks = NotBuiltYet("DetectLinks");
    engine->state.settings.showDetailedConsoleLogTexts = true;
    say("hello");
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > The stage DetectLinks is not built yet."));
    engine->state.settings.showDetailedConsoleLogTexts = false;
    fakes.console.lines.clear();
    say("hello again");
    EXPECT_FALSE(fakes.console.lines.join('\n').contains("not built yet"));
}

TEST_F(EngineFixture, ASlotNobodyFilledEndsTheInputWithAnError) {
    engine->stages.LookupAnswer = Stage::Body{};
    say("hello");
    EXPECT_TRUE(
        fakes.console.lines.join('\n').contains("The stage LookupAnswer was never filled."));
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > NLP finished."));
}
