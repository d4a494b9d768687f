#pragma once

#include "engine/engine.h"
#include "output/delivery.h"
#include "output/lonely_talking.h"

#include <QTemporaryDir>

#include <memory>

class Query;

// The program's engine on the given brain, in a freshly seeded program home, with the stages the
// program assembles and the shipped settings: what the tests and the benchmarks run.
struct AssembledEngine {
    AssembledEngine(Query& db, const Outside& outside);

    QTemporaryDir home;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<Delivery> delivery;
    std::unique_ptr<LonelyTalking> lonely;
};

// A channel message of `nick` that does not address the character.
TInput ChannelMessage(const QString& nick, const QString& channel, const QString& phrase);

// Queues the input the way its kind arrives: the owner's local phrase or an IRC message.
void EnqueueInput(Engine& engine, const TInput& input);
