#pragma once

#include <QString>

class Engine;

// Answers with an event message: names the event and lets output prepare its message.
void RaiseEvent(Engine& engine, const QString& eventName);
