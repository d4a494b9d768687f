#pragma once

struct CommandCall;

// "!BC ADD" and "!BC REM": the words the bad-content and bad-nickname protections look for.
bool AddBadContent(const CommandCall& call);
bool RemoveBadContent(const CommandCall& call);
