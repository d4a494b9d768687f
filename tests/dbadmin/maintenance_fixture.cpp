#include "maintenance_fixture.h"

#include "brain/query.h"

QStringList MaintenanceTest::rows(const QString& from, const QString& columns) {
    QStringList found;
    Query& db = brain.db();
    for (db.open("SELECT HEX(CONCAT_WS(0x1F, " + columns + ")) AS row FROM " + from); !db.eof();
         db.next())
        found << db.field("row");
    return found;
}

QString MaintenanceTest::checksum(const QString& table) {
    brain.db().open("CHECKSUM TABLE " + table);
    return brain.db().field("Checksum");
}
