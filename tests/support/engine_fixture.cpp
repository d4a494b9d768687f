#include "support/engine_fixture.h"

#include "engine/input_queue.h"

void EngineFixture::say(const QString& phrase) {
    runCycle(LocalInput(*engine, phrase));
}

void EngineFixture::runCycle(const TInput& input) {
    EnqueueInput(*engine, input);
    engine->NLPtimerTimer();
}
