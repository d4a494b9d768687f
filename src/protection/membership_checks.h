#pragma once

#include <QString>

class BanLedger;
class Engine;

// User `nick` at `address` joined `channel`: kicks, then bans, a user who joins again and again
// sooner than `JoinFloodMs`, and one whose nick holds a bad word. Acts only while "Protect From
// Join Flood" is on, and only where the gate lets it.
void CheckJoin(Engine& engine, BanLedger& ledger, const QString& nick, const QString& address,
               const QString& channel);

// A user at `address` changed nick from `oldNick` to `newNick` (the stores already renamed): a
// bad new nick is kicked, then banned, in every channel where users_online has the user and the
// gate lets us act. Acts only while "Protect From Join Flood" and "Protect From Bad Nicknames" are
// both on. Returns whether the user was kicked.
bool CheckNickChange(Engine& engine, BanLedger& ledger, const QString& oldNick,
                     const QString& address, const QString& newNick);
