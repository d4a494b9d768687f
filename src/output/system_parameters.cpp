#include "system_parameters.h"

#include "brain/query.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

void PadStoredPatterns(Engine& engine, QString& text, const QString& table, const QString& column) {
    Query& db = engine.db;
    db.open(QStringLiteral("SELECT COUNT(*) as result FROM %1").arg(table));
    const qint64 rows = db.field("result").toLongLong();
    const QString find =
        QStringLiteral("SELECT * FROM %1 WHERE ? RLIKE UPPER(%2) LIMIT 1").arg(table, column);
    // The brain is asked about what is not padded yet, so that the next question finds the next
    // pattern instead of the one just handled.
    QString unpadded = text;
    for (qint64 round = 0; round < rows; ++round) {
        if (db.open(find, {unpadded}) == 0) return;
        const QString pattern = db.field(column);
        const QString before = unpadded;
        unpadded.remove(pattern, Qt::CaseInsensitive);
        if (pattern.isEmpty() || unpadded == before) return;
        text.replace(pattern, ' ' + pattern + ' ', Qt::CaseInsensitive);
    }
}

QString PadSystemParameters(Engine& engine, const QString& text) {
    QString padded = text;
    padded.replace(' ', QStringLiteral("  "));
    padded = ' ' + padded + ' ';
    ApplyInOrder(padded, {{u"[", u"XX"}, {u"]", u"YY"}});
    PadStoredPatterns(engine, padded, QStringLiteral("system_parameters"),
                      QStringLiteral("parameter"));
    ApplyInOrder(padded, {{u"XX", u"["}, {u"YY", u"]"}});
    return padded;
}
