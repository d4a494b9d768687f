#include "key_events.h"

#include "response_teaching.h"

#include "engine/console_log.h"
#include "engine/engine.h"

void CheckKeyEvents(Engine& engine) {
    Outcomes& o = engine.state.outcomes;
    ConsoleLine(engine, "A.I. > Checking KeyEvents..");
    o.KeyEventOutcome = 0;
    o.KeyEventActive = 0;
    for (const TKeyEvents& event : engine.state.stores.KeyEventsStore) {
        if (event.userKey != engine.state.request.UserKey || event.active != 1) continue;
        o.KeyEventActive = 1;
        if (event.eventType != "CONTEXT") {
            o.KeyEventOutcome = 1;
            return;
        }
        ConsoleLine(engine, "A.I. > KeyEvent active for context learning.");
        TeachResponseChoice(engine);
        o.KeyEventOutcome = 2;
        return;
    }
    ConsoleLine(engine, "A.I. > No KeyEvent is active.");
}
