#include "key_events.h"

#include "response_teaching.h"

#include "engine/console_log.h"
#include "engine/engine.h"

void CheckKeyEvents(Engine& engine) {
    KeyEventCheck& o = engine.state.keyEvents;
    ConsoleLine(engine, "A.I. > Checking KeyEvents..");
    o.KeyEventOutcome = KeyEventOutcome::None;
    o.KeyEventActive = false;
    for (const TKeyEvents& event : engine.state.stores.KeyEventsStore) {
        if (event.userKey != engine.state.request.UserKey || !event.active) continue;
        o.KeyEventActive = true;
        if (event.eventType != "CONTEXT") {
            o.KeyEventOutcome = KeyEventOutcome::Consumed;
            return;
        }
        ConsoleLine(engine, "A.I. > KeyEvent active for context learning.");
        TeachResponseChoice(engine);
        o.KeyEventOutcome = KeyEventOutcome::SkipUnderstanding;
        return;
    }
    ConsoleLine(engine, "A.I. > No KeyEvent is active.");
}
