#pragma once

struct OneShotRun;

// The whole-brain maintenance as one-shot commands: the same jobs as the console's Maintenance
// tab, their statuses and findings on stdout.
int RunRepair(OneShotRun& run);
int RunBackup(OneShotRun& run);
int RunListBackups(OneShotRun& run);
int RunRestore(OneShotRun& run);
int RunRebuild(OneShotRun& run);
