#include "run_hidden.h"

#include <QEventLoop>
#include <QProcess>

RunResult RunHiddenAndWait(const QString& program, const QStringList& arguments,
                           const QString& workingDirectory) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    RunResult result;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) loop.quit();
    });
    process.start(program, arguments);
    if (process.state() != QProcess::NotRunning) loop.exec();
    result.started = process.error() != QProcess::FailedToStart;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll()).trimmed();
    return result;
}
