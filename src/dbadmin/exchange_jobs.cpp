#include "exchange_jobs.h"

#include "database_tools.h"
#include "exchange_archive.h"
#include "exchange_files.h"
#include "exchange_sql.h"
#include "exchange_texts.h"
#include "job_steps.h"
#include "maintenance_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The dump of the chosen tables: rows only, one INSERT a row with its column names, the
// character set named so the letters survive.
const QStringList kExportDumpOptions = {
    "--skip-opt", "--no-create-info", "--add-locks",     "--disable-keys",  "--lock-tables",
    "--quick",    "--set-charset",    "--skip-comments", "--skip-triggers", "--complete-insert",
};

QByteArray DumpTables(MaintainedBrain& brain, const QString& folder, const QStringList& tables,
                      const QString& stem) {
    const QString partial = folder + '/' + stem + "_TMP.sql";
    try {
        RunDatabaseTool("mariadb-dump", brain.db.config(), kExportDumpOptions, {{}, partial},
                        ToolExit::MustSucceed, tables);
    } catch (const ToolError& e) {
        QFile::remove(partial);
        throw JobFailure{kExportError, e.message()};
    }
    QFile file(partial);
    const bool read = file.open(QIODevice::ReadOnly);
    const QByteArray dump = file.readAll();
    file.close();
    QFile::remove(partial);
    if (!read) throw JobFailure{kExportError, "Cannot read the dump " + partial + "."};
    return dump;
}

qint64 AddRows(Query& db, const QList<InsertLine>& inserts) {
    qint64 added = 0;
    for (const InsertLine& insert : inserts) {
        // Table and column names were checked against the exportable ones; values are bound.
        QStringList marks;
        for (qsizetype i = 0; i < insert.columns.size(); ++i)
            marks << "?";
        const QString sql = QString(insert.ignore ? "INSERT IGNORE INTO `" : "INSERT INTO `") +
                            insert.table + "` (`" + insert.columns.join("`, `") + "`) VALUES (" +
                            marks.join(", ") + ')';
        for (const QVariantList& row : insert.rows)
            added += db.execute(sql, row);
    }
    return added;
}

void RemovePlaceholders(Query& db) {
    for (const QString& statement : PlaceholderDeletes())
        db.execute(statement, QVariantList(statement.count('?'), kPlaceholderMarker));
}

}  // namespace

JobResult ExportData(MaintainedBrain& brain, JobView& view, const ExportRequest& request) {
    return Run(brain, kExportError, [&] {
        if (request.stem.isEmpty() || request.items.isEmpty())
            throw JobFailure{kExportCanceled, {}};
        QStringList tables;
        for (const ExchangeItem* item : request.items)
            tables << item->tables;
        const QString description = request.description.isEmpty()
                                        ? AutomaticDescription(request.items)
                                        : request.description;
        CheckFirst(brain, view);
        view.status(kStatusExporting);
        const QString folder = ExchangeFolder(brain.home);
        if (!QDir().mkpath(folder))
            throw JobFailure{kExportError, "Cannot create the folder " + folder + "."};
        const QByteArray dump = DumpTables(brain, folder, tables, request.stem);
        try {
            WriteDataFile(folder, request.stem, ConvertDumpForExchange(dump), description);
        } catch (const ExchangeSqlError& e) {
            throw JobFailure{kExportError, "The dump could not be read: " + e.message()};
        } catch (const ArchiveError& e) {
            throw JobFailure{kExportError, e.message()};
        }
        view.pause(1000);
        return JobResult{true, kExportComplete, folder + '/' + request.stem + ".xpt"};
    });
}

JobResult ImportData(MaintainedBrain& brain, JobView& view, const QString& path) {
    return Run(brain, kImportError, [&] {
        view.status(kStatusImporting);
        const QString name = QFileInfo(path).fileName();
        QList<InsertLine> inserts;
        try {
            inserts = ParseExchangeSql(ReadRows(path));
        } catch (const ArchiveError& e) {
            throw JobFailure{kImportError, name + ": " + e.message() + ". Nothing was imported."};
        } catch (const ExchangeSqlError& e) {
            throw JobFailure{kImportError, name + ": " + e.message() + " Nothing was imported."};
        }
        const Dump safety = SafetyBackupFirst(brain, view, "BEFORE_IMPORT", DumpScope::Whole,
                                              {kImportError, "imported"});
        qint64 added = 0;
        try {
            added = AddRows(brain.db, inserts);
            view.pause(1000);
            view.status(kStatusRemovingDuplicates);
            RemovePlaceholders(brain.db);
        } catch (const DbError& e) {
            throw JobFailure{kImportError, e.message() + '\n' + LoadSafetyBackup(brain, safety)};
        }
        view.pause(1300);
        view.status(kStatusRemovingTemporary);
        view.pause(1000);
        view.status(kStatusChecking);
        RepairDatabaseFiles(brain, view);
        return JobResult{true, kImportComplete,
                         QStringLiteral("%1 rows added from %2. The brain as it was before is "
                                        "kept in %3.")
                             .arg(added)
                             .arg(name, safety.fileName)};
    });
}
