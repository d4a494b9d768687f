#pragma once

#include <QString>
#include <QStringList>

// The one-shot commands of exchange data files, as the command line gives them.
struct ExchangeArguments {
    bool exporting = false;
    QString exportName;   // --export NAME
    QString items;        // --items "Positives,Negatives": check box captions, any letter case
    QString description;  // --description TEXT
    bool describe = false;
    bool importing = false;
    QString importFile;  // --import FILE: a path, or a name in MySQL/Exchange
    bool list = false;   // --list-data-files
};

// Whether the arguments ask for one of these commands; they run without windows.
bool AsksForExchangeCommand(const QStringList& arguments);

// Runs the command on the home; returns the exit code: 0 done, 1 failed (why on stderr), 2 the
// arguments do not make a command.
int RunExchangeCommand(const QString& home, const ExchangeArguments& arguments);
