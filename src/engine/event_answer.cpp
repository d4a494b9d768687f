#include "event_answer.h"

#include "engine.h"

void AnswerWithEvent(Engine& engine, const QString& eventName) {
    engine.state.request.EventName = eventName;
    Run(engine.stages.PrepareEventMessage, engine);
}
