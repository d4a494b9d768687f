#pragma once

#include <QString>

// Starting the main console with the desktop session: an XDG autostart entry.

// $XDG_CONFIG_HOME/autostart/quenmark-talvane.desktop (~/.config when the variable is unset).
QString AutostartEntryPath();
// The entry that starts `program`, with --home when `home` is not the default home.
QString AutostartEntryText(const QString& program, const QString& home);
// Write or remove the entry; false when the file could not be written or removed.
bool WriteAutostartEntry(const QString& program, const QString& home);
bool RemoveAutostartEntry();
