#include "table_repair.h"

#include "brain/query.h"
#include "database_tools.h"
#include "tool_error.h"

#include <QRegularExpression>

namespace {

bool Damaged(const QString& type, const QString& text) {
    return type.compare("error", Qt::CaseInsensitive) == 0 ||
           (type.compare("status", Qt::CaseInsensitive) == 0 && text != "OK");
}

QString TableList(const QStringList& tables) {
    QStringList quoted;
    for (const QString& table : tables)
        quoted << '`' + QString(table).replace('`', "``") + '`';
    return quoted.join(", ");
}

struct ResultRow {
    QString table, type, text;
};

QList<ResultRow> ResultRows(Query& db, const QString& sql) {
    QList<ResultRow> rows;
    for (db.open(sql); !db.eof(); db.next())
        rows << ResultRow{db.field("Table"), db.field("Msg_type"), db.field("Msg_text")};
    return rows;
}

}  // namespace

CheckReport ReadCheckOutput(const QString& output, const QString& database) {
    // "db.table   OK" or "db.table" alone, then "type     : text" lines for that table.
    static const QRegularExpression message(R"(^(\w+)\s*: (.*)$)");
    const QString prefix = database + '.';
    CheckReport report;
    QString table;
    const auto note = [&](const QString& type, const QString& text) {
        report.lines << QStringLiteral("%1: %2: %3").arg(table, type, text);
        if (Damaged(type, text) && !report.damaged.contains(table)) report.damaged << table;
    };
    for (const QString& line : output.split('\n')) {
        if (line.startsWith(prefix)) {
            const QString rest = line.mid(prefix.size());
            const qsizetype blank = rest.indexOf(' ');
            table = blank < 0 ? rest.trimmed() : rest.left(blank);
            ++report.checked;
            const QString status = blank < 0 ? QString() : rest.mid(blank).trimmed();
            if (!status.isEmpty() && status != "OK") note("status", status);
            continue;
        }
        const QRegularExpressionMatch match = message.match(line.trimmed());
        if (!table.isEmpty() && match.hasMatch()) note(match.captured(1), match.captured(2));
    }
    return report;
}

CheckReport CheckTables(const DbConfig& config) {
    return ReadCheckOutput(RunDatabaseTool("mariadb-check", config, {"--check"}).output,
                           config.database);
}

QStringList RepairTables(Query& db, const QStringList& tables) {
    const QString list = TableList(tables);
    QStringList said;
    for (const ResultRow& row : ResultRows(db, "REPAIR TABLE " + list + " EXTENDED USE_FRM"))
        said << QStringLiteral("%1: %2: %3").arg(row.table, row.type, row.text);
    QStringList still;
    for (const ResultRow& row : ResultRows(db, "CHECK TABLE " + list))
        if (Damaged(row.type, row.text) && !still.contains(row.table)) still << row.table;
    if (!still.isEmpty())
        throw ToolError("Still damaged after the repair: " + still.join(", ") + "\n" +
                        said.join('\n'));
    return said;
}
