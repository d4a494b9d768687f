#pragma once

#include "brain/db_config.h"

#include <QString>
#include <QStringList>

class Query;

// What the check tool said of the brain's tables.
struct CheckReport {
    int checked = 0;
    QStringList damaged;  // the tables it found damaged, by name
    QStringList lines;    // what it said beyond "OK", table by table
};

// Reads the check tool's output for `database`: a table is damaged when an error is reported for
// it or its status is not "OK"; warnings alone are reported, not repaired.
CheckReport ReadCheckOutput(const QString& output, const QString& database);

// Runs the server's check tool over every table of the brain. Throws ToolError when the tool
// cannot run or fails.
CheckReport CheckTables(const DbConfig& config);

// Repairs the tables with "REPAIR TABLE .. EXTENDED USE_FRM" through the query object and checks
// them again with CHECK TABLE. Returns what the server said, a line a result row. Throws
// ToolError when a table is still damaged afterwards, DbError when a statement fails.
QStringList RepairTables(Query& db, const QStringList& tables);
