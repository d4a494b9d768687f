#include "run_hidden.h"

#include <QEventLoop>
#include <QProcess>

RunResult RunHiddenAndWait(const QString& program, const QStringList& arguments,
                           const QString& workingDirectory, const Redirection& files) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(files.input.isEmpty() ? QProcess::nullDevice() : files.input);
    if (files.output.isEmpty()) {
        process.setProcessChannelMode(QProcess::MergedChannels);
    } else {
        process.setStandardOutputFile(files.output, QIODevice::Truncate);
    }
    RunResult result;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) loop.quit();
    });
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning) loop.exec();
    // The loop returns early when the application quits; the program still gets to finish.
    if (process.state() != QProcess::NotRunning) process.waitForFinished(-1);
    result.started = process.error() != QProcess::FailedToStart;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    const QByteArray said =
        files.output.isEmpty() ? process.readAll() : process.readAllStandardError();
    result.output = QString::fromUtf8(said).trimmed();
    if (!result.started && result.output.isEmpty()) result.output = process.errorString();
    return result;
}
