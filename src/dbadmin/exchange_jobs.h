#pragma once

#include "exchange_items.h"
#include "maintenance_jobs.h"

#include <QMetaType>

// What to export: the data file's stem (already cleaned), the chosen items in the table's order,
// and the description, automatic when left empty.
struct ExportRequest {
    QString stem;
    QList<const ExchangeItem*> items;
    QString description;
};

// Checks and repairs the brain, dumps the chosen items' tables and writes MySQL/Exchange/N.xpt:
// the rows without their `index`, no placeholder rows, and the description. An existing N.xpt is
// replaced only once the new one is whole; the caller asks first.
JobResult ExportData(MaintainedBrain& brain, JobView& view, const ExportRequest& request);

// Adds the rows of the data file at `path` to the brain under new keys, then removes placeholder
// rows and checks the brain. The file's SQL is read as data and refused whole, before the brain
// is touched, when any line is not a row of an exportable table or a dump's own line. A failure
// while adding loads the safety backup taken before: the brain is as it was.
JobResult ImportData(MaintainedBrain& brain, JobView& view, const QString& path);

Q_DECLARE_METATYPE(ExportRequest)
