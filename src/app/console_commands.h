#pragma once

struct OneShotRun;

// The main console's one-shot commands on a program home; each returns the exit code.

// --language en|lv: sets the language switches as the first-run language window's OK does.
int RunLanguage(OneShotRun& run);
// --check-updates: asks the Hub Server of line 17 for a newer version and prints what it found.
int RunCheckUpdates(OneShotRun& run);
