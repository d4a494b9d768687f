#pragma once

struct CommandCall;

// The load tests: "!OVERLOAD INTERFACE" + n fills both interface tables with n test rows each,
// "!OVERLOAD SYNONYMS" + n the corrections and synonyms. The rows go in chunks between turns
// of the event loop, so the character stays on the server meanwhile.
bool OverloadInterface(const CommandCall& call);
bool OverloadSynonyms(const CommandCall& call);
