#include "events.h"

#include "engine/engine.h"

void RaiseEvent(Engine& engine, const QString& eventName) {
    engine.state.request.EventName = eventName;
    Run(engine.stages.PrepareEventMessage, engine);
}
