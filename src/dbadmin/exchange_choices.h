#pragma once

#include <QList>
#include <QString>

// Main/Iemanager.ini: which export items the manager had checked, one line an item in the
// items' order, "1" checked and "0" not.

QString ExchangeChoicesPath(const QString& home);
// The choices of the file laid over `current`: a line that is neither "1" nor "0", or missing,
// or a file that cannot be read, leaves its item as it is.
QList<bool> ReadExchangeChoices(const QString& home, QList<bool> current);
// Throws TextFileError when the file cannot be written.
void WriteExchangeChoices(const QString& home, const QList<bool>& checked);
