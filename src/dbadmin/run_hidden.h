#pragma once

#include <QString>
#include <QStringList>

struct RunResult {
    bool started = false;
    int exitCode = -1;
    QString output;  // what the program wrote to stdout and stderr
};

// Runs a program without a window and waits for it while the event loop keeps running.
RunResult RunHiddenAndWait(const QString& program, const QStringList& arguments,
                           const QString& workingDirectory);
