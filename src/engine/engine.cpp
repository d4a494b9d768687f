#include "engine.h"

Engine::Engine(Query& db, Outside outside, ProgramHome home)
    : db(db), out(outside), home(std::move(home)) {
    NLPtimer.setInterval(300);
    // While the brain is away a tick would only meet the lost connection again.
    connect(&NLPtimer, &QTimer::timeout, this, [this] {
        if (waitingForBrain) {
            NLPtimer.stop();
        } else {
            NLPtimerTimer();
        }
    });
    connect(this, &Engine::cycleEnded, this, [this] { inputInCycle.reset(); });
}

bool Engine::idle() const {
    return !cycleRunning_ && !waitingForBrain && state.stores.InputStore.isEmpty() &&
           !stages.DeliveryPending(*this);
}

void Engine::showStatusLine() {
    const QString waiting = waitingForBrain ? ", WAITING FOR THE BRAIN SERVER.." : "";
    out.console->setStatusLine(QStringLiteral("NLP COUNT: %1, PROCESSES REMAINING: %2/%3%4")
                                   .arg(state.NlpCount)
                                   .arg(state.ProcessesRemaining)
                                   .arg(state.lastMmasCount)
                                   .arg(waiting));
}
