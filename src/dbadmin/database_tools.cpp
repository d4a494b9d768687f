#include "database_tools.h"

#include "tool_error.h"
#include "tool_options.h"

#include <QDir>

RunResult RunDatabaseTool(const QString& tool, const DbConfig& config, const QStringList& arguments,
                          const Redirection& files, ToolExit exit, const QStringList& tables) {
    const ToolOptions options(config);
    const RunResult run = RunHiddenAndWait(
        tool, options.arguments() + arguments + QStringList{"--", config.database} + tables,
        QDir::tempPath(), files);
    if (!run.started || (exit == ToolExit::MustSucceed && run.exitCode != 0))
        throw ToolError(ToolFailure(tool, run));
    return run;
}

QString ToolFailure(const QString& tool, const RunResult& run) {
    if (!run.started)
        return QStringLiteral("%1 could not be started (Debian package mariadb-client): %2")
            .arg(tool, run.output);
    if (!run.output.isEmpty()) return run.output;
    return QStringLiteral("%1 ended with exit code %2.").arg(tool).arg(run.exitCode);
}
