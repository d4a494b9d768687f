#include "index_renumbering.h"

#include "brain/query.h"

namespace {

QStringList TablesNumberedByIndex(Query& db) {
    QStringList tables;
    db.open(
        "SELECT TABLE_NAME AS name FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = "
        "DATABASE() AND ORDINAL_POSITION = ? AND COLUMN_NAME = ? ORDER BY TABLE_NAME",
        {1, "index"});
    for (; !db.eof(); db.next())
        tables << db.field("name");
    return tables;
}

// Renumbers one table; false when its numbers were 1 to n already.
bool Renumber(Query& db, const QString& table, qint64& rows) {
    const QString name = '`' + QString(table).replace('`', "``") + '`';
    db.open("SELECT COUNT(*) AS n, MIN(`index`) AS low, MAX(`index`) AS high FROM " + name);
    rows = db.field("n").toLongLong();
    const qint64 low = db.field("low").toLongLong(), high = db.field("high").toLongLong();
    if (rows == 0 || (low == 1 && high == rows)) return false;
    // Taken in ascending order, each row's new number is below every number not yet changed, so
    // the key never meets a number twice; a row numbered 0 would, so all move up out of the way
    // first, the highest first.
    if (low < 1)
        db.execute("UPDATE " + name + " SET `index` = `index` + ? ORDER BY `index` DESC",
                   {high + 1});
    db.execute("SET @talvane_number = ?", {0});
    db.execute("UPDATE " + name +
               " SET `index` = (@talvane_number := @talvane_number + 1) ORDER BY `index`");
    db.execute("ALTER TABLE " + name + " AUTO_INCREMENT = 1");
    return true;
}

}  // namespace

QList<Renumbered> RenumberIndexes(Query& db) {
    QList<Renumbered> renumbered;
    for (const QString& table : TablesNumberedByIndex(db)) {
        qint64 rows = 0;
        if (Renumber(db, table, rows)) renumbered << Renumbered{table, rows};
    }
    return renumbered;
}
