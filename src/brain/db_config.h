#pragma once

#include <QString>

#include <stdexcept>

// Where the brain lives: Main/Database.ini. With `managed` the program runs its own private
// server from the program home and starts it when it does not answer.
struct DbConfig {
    QString host = "127.0.0.1";
    int port = 3307;
    QString socket;
    QString user = "qivo";
    QString password = "qtmvzk";
    QString database = "qivo";
    bool managed = true;
};

class DbConfigError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws DbConfigError when the file is missing or names no database.
DbConfig LoadDbConfig(const QString& path);
