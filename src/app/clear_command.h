#pragma once

#include <QCommandLineOption>
#include <QList>

struct OneShotRun;

// --by-date, --by-nick and --yes, the options that go with --clear.
QList<QCommandLineOption> ClearModifiers();
// Clears one area of the brain as its button on the Maintenance tab does; --yes stands for the
// security key. Without --by-date or --by-nick the criteria of the settings apply.
int RunClear(OneShotRun& run);
