#pragma once

#include <QString>

class Engine;

// Lets a user correct the answer just given to them by teaching it again with a small change:
// every line of their last answer that is near the taught text is replaced by it. Returns true
// when it changed an answer (the command is then handled).
bool ModifyResponse(Engine& engine, const QString& table, const QString& questionPattern,
                    const QString& answer);
