#include "support/engine_fixture.h"

#include "engine/input_queue.h"
#include "engine/program_home.h"
#include "pipeline/assemble_stages.h"

EngineFixture::EngineFixture() {
    SeedProgramHome(homeDir.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    engine = std::make_unique<Engine>(brain.db(), fakes.outside(), ProgramHome(homeDir.path()));
    delivery = std::make_unique<Delivery>(*engine);
    AssembleStages(engine->stages, *delivery);
    LoadSettings(engine->state.settings, engine->home.path("Main/Options.ini"));
}

void EngineFixture::say(const QString& phrase) {
    runCycle(LocalInput(*engine, phrase));
}

void EngineFixture::runCycle(const TInput& input) {
    if (input.TargetKind == 0) {
        EnqueueLocalInput(*engine, input);
    } else {
        EnqueueIrcInput(*engine, input);
    }
    engine->NLPtimerTimer();
}
