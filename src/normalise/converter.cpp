#include "converter.h"

#include "engine/contains.h"
#include "engine/engine.h"
#include "engine/event_answer.h"

namespace {

// Owners and co-owners, super moderators, basic and temporary moderators.
bool MayToggle(Privilege privilege) {
    return privilege == Privilege::Owner || privilege == Privilege::SuperModerator ||
           privilege == Privilege::BasicModerator;
}

struct ConverterCommand {
    const char* command;
    bool keepLatvianLetters;
    const char* event;
};

constexpr ConverterCommand kCommands[] = {
    {"[DISABLECONVERTER]", true, "On Macron Command Disable"},
    {"[ENABLECONVERTER]", false, "On Macron Command Enable"},
};

}  // namespace

void ToggleConverter(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    if (!MayToggle(r.Privilege)) return;
    for (const auto& [command, keepLatvianLetters, event] : kCommands) {
        if (!Contains(r.WorkPhrase, QString::fromUtf8(command))) continue;
        s.settings.latvianSymbolConversion = keepLatvianLetters;
        AnswerWithEvent(engine, QString::fromUtf8(event));
        engine.stages.UnwatchUser(engine, r.UserKey);
        s.outcomes.ConverterAnswered = true;
        r.Answered = true;
        return;
    }
}
