#pragma once

#include "brain/db_config.h"

#include <QStringList>
#include <QTemporaryFile>

// The brain's connection settings for the server's command-line tools, in an option file that
// only the owner can read and that lives as long as this object: a password on a command line
// is visible to every user of the machine. The file is the only one the tools read, so that no
// option file of the machine or the user changes where they connect or what a dump holds.
class ToolOptions {
  public:
    // Throws ToolError when the file cannot be written or the password cannot be put in it.
    explicit ToolOptions(const DbConfig& config);

    // The arguments a tool's run begins with, the option file first as the tools demand.
    QStringList arguments() const;

  private:
    QTemporaryFile file_;
};

// `value` as an option file gives it back to the tools byte for byte: blanks at either end,
// "#", quotes and backslashes included. Empty when no spelling can: a value that holds both kinds
// of quote and a "#", or both kinds and the same quote at either end.
QString OptionFileValue(const QString& value);
