#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What an exchange data file may carry: ten items of the brain, each one or two of its tables.
struct ExchangeItem {
    QString caption;      // the check box's caption, the item's name on the command line too
    QStringList tables;   // in the order the dump takes them
    QString description;  // the words an automatic description names it by
};

const QList<ExchangeItem>& ExchangeItems();
// The item of that caption, compared ignoring case; nullptr when there is none.
const ExchangeItem* FindExchangeItem(const QString& caption);

// The columns of an exportable table as an exchange file names them, `index` first where the
// table has one; empty for any other table.
const QStringList& ExchangeColumns(const QString& table);

// The marker a placeholder row carries in its key columns.
inline const QString kPlaceholderMarker = "QIVOTXROWDLTCMD";
// The statements that remove placeholder rows after an import, the marker bound to each "?".
const QStringList& PlaceholderDeletes();

// "Contains: \"positives, negatives\"." for the checked items, in the table's order.
QString AutomaticDescription(const QList<const ExchangeItem*>& items);

// The name a data file gets from what the owner typed: runs of blanks are squeezed once, each
// character no file name may hold becomes a blank, then every blank "_"; empty when the result is
// not 1 to 25 characters long or is nothing but a blank.
QString CleanDataFileName(const QString& typed);
