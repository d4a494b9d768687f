#pragma once

struct CommandCall;

// The owner's channel commands: leave every remembered channel, leave one, join one. Each
// returns whether it set the command done.
bool PartAll(const CommandCall& call);
bool PartOne(const CommandCall& call);
bool JoinOne(const CommandCall& call);
