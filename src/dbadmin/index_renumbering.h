#pragma once

#include <QList>
#include <QString>

class Query;

struct Renumbered {
    QString table;
    qint64 rows = 0;
};

// Numbers the rows of every table of the brain whose first column is `index` 1, 2, 3.. in the
// order of their `index`, and lets the next row taught take the number after the last. Rows keep
// everything else; tables without `index` first are left alone. Returns the tables whose numbers
// changed. Throws DbError; the tables are not transactional, so a failure can leave a table half
// renumbered, which the caller mends from its safety backup.
QList<Renumbered> RenumberIndexes(Query& db);
