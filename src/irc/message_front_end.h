#pragma once

#include "engine/stores.h"

#include <QString>

#include <optional>

class Engine;

// ircMessage and ircAction, an action treated exactly like a message: fills the current request,
// runs the message protections, decides whether the message is answered at all and returns the
// input to queue; nothing while the engine is paused or when a protection or the public-message
// gate stopped it. `channel` is empty for a private message.
std::optional<TInput> MessageFrontEnd(Engine& engine, const QString& nick, const QString& address,
                                      const QString& text, const QString& channel);

// Queues an input of IRC and starts the NLP timer.
void QueueIrcInput(Engine& engine, const TInput& input);
