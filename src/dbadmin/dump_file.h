#pragma once

#include <QString>

// The line the dump tool ends a dump with once it has written all of it.
inline const QString kDumpCompleted = "-- Dump completed";

// Why the file at `path` is not a complete dump of tables, said of the file ("is empty"): missing,
// unreadable, empty, cut short before the completion line, or without a single table definition.
// Empty when it is one.
QString DumpFault(const QString& path);
