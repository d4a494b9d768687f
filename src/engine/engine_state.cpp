#include "engine_state.h"

void Outcomes::resetForCycle() {
    const Outcomes kept = *this;
    *this = Outcomes{};
    KeyEventOutcome = kept.KeyEventOutcome;
    KeyEventActive = kept.KeyEventActive;
    AdmExpandAnswered = kept.AdmExpandAnswered;
    IntelligentModeRefused = kept.IntelligentModeRefused;
}
