#pragma once

#include "engine/stores.h"

class Engine;

// The user's record in UserVarStore, or none. A protection that finds none appends one and lets
// that event pass unjudged.
TUserVariables* FindUserRecord(Engine& engine, const QString& nick);
// The engine's tick in milliseconds, from its clock.
qint64 NowMs(const Engine& engine);
// Milliseconds since `since`, at least 1.
qint64 ElapsedMs(const Engine& engine, qint64 since);
