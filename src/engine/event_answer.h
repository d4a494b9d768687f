#pragma once

#include <QString>

class Engine;

// Answers with an event message: names the event and lets the output stage prepare its message
// (drawn from system_messages and filled in) as the answer.
void AnswerWithEvent(Engine& engine, const QString& eventName);
