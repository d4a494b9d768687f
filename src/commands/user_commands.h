#pragma once

struct CommandCall;

// The commands everyone may use. Each returns whether it set the command done; one that returns
// false leaves the message to be answered as an ordinary phrase.
bool HelloQivo(const CommandCall& call);
bool MyStatus(const CommandCall& call);
bool StatusOf(const CommandCall& call);
bool WhoIsOwner(const CommandCall& call);
bool BrainInfo(const CommandCall& call);
bool QueryMatches(const CommandCall& call);
bool ResponseMatches(const CommandCall& call);
bool TrainingModeOn(const CommandCall& call);
bool TrainingModeOff(const CommandCall& call);
bool LastPhrase(const CommandCall& call);
bool Teached(const CommandCall& call);
bool Erased(const CommandCall& call);
