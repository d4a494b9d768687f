#include "brain_recovery.h"

#include "brain/query.h"
#include "engine/brain_outage.h"
#include "engine/engine.h"

BrainRecovery::BrainRecovery(Engine& engine, PrivateServer& server, WaitFunction wait)
    : engine_(engine), server_(server), wait_(std::move(wait)) {
    // Queued: the handler that met the lost connection ends first.
    connect(&engine_, &Engine::brainLost, this, &BrainRecovery::recover, Qt::QueuedConnection);
}

void BrainRecovery::recover() {
    engine_.db.disconnect();
    const Reach reach = ReachBrain(engine_.db, server_, wait_);
    if (reach.reached) {
        ResumeAfterBrain(engine_);
        return;
    }
    engine_.out.notifications->error(reach.failure.isEmpty()
                                         ? kLostConnectionMessage
                                         : kLostConnectionMessage + "\n" + reach.failure);
    emit lost();
}
