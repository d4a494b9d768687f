#pragma once

#include <QString>

// A set-up home whose Main/Database.ini is gone gets it back from its own server files rather
// than from the shipped defaults, which may name another home's port: the port of its my.cnf and
// a new password, which the start that follows gives the brain's user through the server's own
// root access. Returns the warning to show, or an empty text when the home needed nothing.
// Throws DbConfigError when the file cannot be written.
QString RebuildMissingDbConfig(const QString& home);
