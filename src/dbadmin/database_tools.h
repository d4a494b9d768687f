#pragma once

#include "brain/db_config.h"
#include "run_hidden.h"

#include <QStringList>

enum class ToolExit {
    MustSucceed,  // an exit code other than 0 throws
    MayFail,      // the caller judges the exit code
};

// Runs one of the server's command-line tools (mariadb-dump, mariadb, mariadb-check) on the
// brain: an argument list, never a shell; the connection from the brain's option file; the
// brain's database after "--", so that no database name is taken for an option, then `tables`.
// Throws ToolError with the tool's own message when it cannot start or, with MustSucceed, fails.
RunResult RunDatabaseTool(const QString& tool, const DbConfig& config, const QStringList& arguments,
                          const Redirection& files = {}, ToolExit exit = ToolExit::MustSucceed,
                          const QStringList& tables = {});

// What the tool said of its failure, or its exit code when it said nothing.
QString ToolFailure(const QString& tool, const RunResult& run);
