#pragma once

#include <QString>

// MySQL/Setup.dat: whether the private server still has to be installed, and whether the
// first-run database check is still due.
inline const QString kServiceDeactivated = "MySQLTX SERVICE STATUSS = DEACTIVATED";
inline const QString kServiceActivated = "MySQLTX SERVICE STATUSS = ACTIVATED";
inline const QString kFirstRunTrue = "SOFTWARE FIRST RUN = TRUE";
inline const QString kFirstRunFalse = "SOFTWARE FIRST RUN = FALSE";

struct SetupState {
    QString serviceLine;
    QString firstRunLine;
    bool installPending() const { return serviceLine == kServiceDeactivated; }
};

// Throws TextFileError when the file is missing.
SetupState ReadSetupState(const QString& path);
void WriteSetupState(const QString& path, bool firstRun);
