#pragma once

#include <QString>

class Engine;

// Whether a protection may act on user `nick` at `address` in `channel`: the character holds
// operator status there (as the server's lines told it) and the user is not exempt. Exempt are an
// incognito admin and, with "Temporary Incognito For Admins", the owner, each only from the address
// their privilege row was earned at: a nick alone proves nothing on IRC.
bool ProtectionActsOn(Engine& engine, const QString& channel, const QString& nick,
                      const QString& address);

// The gate for the message the front end is handling; its answer stands in MessageChecks.
void ProtectionGate(Engine& engine);
