#pragma once

#include "stores.h"

class Engine;

// Queues a message from IRC; a record of the same nick with the same upper-case text is queued
// only once, and a user with 3 inputs waiting gets no more queued.
void EnqueueIrcInput(Engine& engine, const TInput& input);
// Queues a phrase from the local console; dropped while the owner already has one queued.
void EnqueueLocalInput(Engine& engine, const TInput& input);
// Removes and returns the oldest record, which the engine keeps as the input of its cycle.
TInput PopInput(Engine& engine);
// The local console's record for a phrase the owner typed.
TInput LocalInput(const Engine& engine, const QString& phrase);
// The owner's phrase from the local console on its way into the engine, in the window or
// headless: a paused engine resumes, the phrase is shown in the chat view, queued as the owner's
// local request, and the NLP timer is started.
void QueueOwnersPhrase(Engine& engine, const QString& phrase);
