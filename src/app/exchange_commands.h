#pragma once

#include <QCommandLineOption>
#include <QList>

struct OneShotRun;

// --items and --description, the options that go with --export.
QList<QCommandLineOption> ExportModifiers();
// Exports the --items (check box captions, any letter case, separated by commas) into
// MySQL/Exchange/NAME.xpt; an existing data file of that name is left as it is.
int RunExport(OneShotRun& run);
// Imports FILE: a path, or a name in MySQL/Exchange with or without ".xpt".
int RunImport(OneShotRun& run);
// One line a data file: its name, a tab and its description on one line.
int RunListDataFiles(OneShotRun& run);
