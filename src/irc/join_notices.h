#pragma once

#include <QString>

class Engine;

// What the owner is told when the character has joined `channel`: the reminder to activate the
// online owner status, the note that the automatic start hid the console, and, in Test Mode with
// its notice enabled, the notice posted to the channel.
void AnnounceJoin(Engine& engine, const QString& channel);
