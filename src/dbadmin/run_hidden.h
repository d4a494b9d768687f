#pragma once

#include <QString>
#include <QStringList>

struct RunResult {
    bool started = false;
    int exitCode = -1;
    // What the program wrote to stdout and stderr; only stderr when stdout goes to a file.
    QString output;
};

// Files that stand in for a program's standard input and output.
struct Redirection {
    QString input;   // empty: nothing to read
    QString output;  // empty: captured into RunResult::output
};

// Runs a program without a window and waits for it while the event loop keeps running. A program
// that is still running when the application is told to quit is waited for all the same: a tool
// cut off halfway may leave the brain half written.
RunResult RunHiddenAndWait(const QString& program, const QStringList& arguments,
                           const QString& workingDirectory, const Redirection& files = {});
