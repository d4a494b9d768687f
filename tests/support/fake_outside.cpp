#include "support/fake_outside.h"

int ScriptedRandom::bounded(int bound) {
    if (bound <= 0) return 0;
    if (next.empty()) return 0;
    const int value = next.front();
    next.pop_front();
    return value % bound;
}
