#include "held_timers.h"

void HeldTimers::hold(const QList<QTimer*>& timers) {
    for (QTimer* timer : timers) {
        held_ << Held{timer, timer->isActive()};
        timer->stop();
        timer->blockSignals(true);
    }
}

void HeldTimers::release() {
    for (const Held& held : std::as_const(held_)) {
        held.timer->blockSignals(false);
        if (held.wasActive && !held.timer->isActive()) held.timer->start();
    }
    held_.clear();
}
