#pragma once

#include <QString>

#include <stdexcept>

// The password every home's brain user had before each home got its own; homes set up with it
// keep it.
inline const QString kSharedPassword = "qtmvzk";

// Where the brain lives: Main/Database.ini. With `managed` the program runs its own private
// server from the program home and starts it when it does not answer.
struct DbConfig {
    QString host = "127.0.0.1";
    int port = 3307;
    QString socket;
    QString user = "qivo";
    QString password = kSharedPassword;
    QString database = "qivo";
    bool managed = true;
    // Not in the file: for a managed home, the data folder its server must keep, so that a
    // server of another home on the same port is never used.
    QString ownDataFolder;
};

class DbConfigError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Main/Database.ini of a program home.
QString DbConfigPath(const QString& home);
// Throws DbConfigError when the file is missing or names no database.
DbConfig LoadDbConfig(const QString& path);
// Writes the whole file, readable by its owner only: it holds the brain's password. Throws
// DbConfigError when it cannot be written.
void SaveDbConfig(const QString& path, const DbConfig& config);
// A password of its own for a home's brain user.
QString NewDbPassword();
