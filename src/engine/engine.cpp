#include "engine.h"

Engine::Engine(Query& db, Outside outside, ProgramHome home)
    : db(db), out(outside), home(std::move(home)) {
    NLPtimer.setInterval(300);
    connect(&NLPtimer, &QTimer::timeout, this, &Engine::NLPtimerTimer);
}

bool Engine::idle() const {
    return !cycleRunning_ && state.stores.InputStore.isEmpty() && !stages.DeliveryPending(*this);
}

void Engine::showStatusLine() {
    out.console->setStatusLine(QStringLiteral("NLP COUNT: %1, PROCESSES REMAINING: %2/%3")
                                   .arg(state.NlpCount)
                                   .arg(state.ProcessesRemaining)
                                   .arg(state.lastMmasCount));
}
