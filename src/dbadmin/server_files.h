#pragma once

#include <QString>
#include <QStringList>

// Where the private server of a program home keeps its files.
struct ServerPaths {
    QString base;     // the server program's base folder
    QString data;     // MySQL/Data
    QString socket;   // MySQL/mysql.sock, or a short path when that one is too long for a socket
    QString tmp;      // MySQL/Tmp
    QString pidFile;  // MySQL/mysqld.pid
    QString bin;      // MySQL/Bin, the configuration and the service scripts
    QString log;      // MySQL/server.log
};

ServerPaths ServerPathsOf(const QString& home);
QStringList MyCnfLines(const ServerPaths& paths, int port);
// Writes MySQL/Bin/my.cnf and the five service scripts. Throws TextFileError.
void WriteServerFiles(const QString& home, const QString& shippedBrain, int port);
// The port that the home's MySQL/Bin/my.cnf gives its server; 0 when the file gives none.
int ServerFilePort(const QString& home);
