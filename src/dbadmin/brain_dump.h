#pragma once

#include "brain/db_config.h"

#include <QString>

enum class DumpScope {
    Whole,    // any table the tool cannot read fails the dump
    Salvage,  // what can be read, before a repair: a damaged table may be unreadable
};

struct Dump {
    QString fileName;  // the name the dump got in its folder
    QString missing;   // with Salvage: what the tool said of what it could not read
};

// Dumps the brain into `folder` as `stem` + ".sql" (FreeBackupName): the dump is written under a
// temporary name, must be complete and hold the tables, is flushed to the disk, and only then
// gets its name, so that no cut or empty file ever looks like a backup. The character set is
// written into the dump, so a reload keeps every letter. Throws ToolError with what went wrong.
Dump DumpBrain(const DbConfig& config, const QString& folder, const QString& stem,
               DumpScope scope = DumpScope::Whole);

// Loads the dump at `path` into the brain with the server's client in its sandbox mode, which
// refuses the client commands that reach files and programs, and kept to the brain's own
// database. Throws ToolError with the client's message when a statement fails; the statements
// before it have run.
void LoadDump(const DbConfig& config, const QString& path);
