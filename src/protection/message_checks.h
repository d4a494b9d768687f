#pragma once

class BanLedger;
class Engine;

// The protections of one channel message, on the current request: each counts the sender's
// offences in the sender's UserVarStore record and kicks, then bans, at its limits. They act only
// where the gate of the message let them (MessageChecks::ProtectionActs).

// Messages sooner than `FloodMs` after the previous one: kick when `FloodLines` came in a row.
void CheckFlood(Engine& engine, BanLedger& ledger);
// Shouting, long words, long text, repetitions and quick repeats.
void CheckSpam(Engine& engine, BanLedger& ledger);
// Bad words of words_bc.
void CheckBadContent(Engine& engine, BanLedger& ledger);
