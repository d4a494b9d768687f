#include "question_changes.h"

#include "query.h"

namespace {

// Changes kept for copies that have not caught up yet; a copy further behind reads its table
// again, which costs less than following this many changes.
constexpr qsizetype kMostKept = 4096;

}  // namespace

// The states are read right before and right after the write, one round trip apart: another
// program's write that falls in between goes unnoticed until the copy next reads its table.
qint64 QuestionChanges::record(const QString& table,
                               const std::function<qint64(QuestionChange&)>& write) {
    QuestionChange change;
    change.table = table;
    Catalogue& catalogue = db_.catalogue();
    change.before = catalogue.fresh(table).value_or(TableState{});
    const qint64 affected = write(change);
    change.after = catalogue.fresh(table).value_or(TableState{});
    if (changes_.size() >= kMostKept) {
        changes_.remove(0, kMostKept / 2);
        dropped_ += kMostKept / 2;
    }
    changes_.append(change);
    return affected;
}

qint64 QuestionChanges::keepingQuestions(const QString& table, const QString& sql,
                                         const QVariantList& params) {
    return record(table, [&](QuestionChange&) { return db_.execute(sql, params); });
}

std::optional<QList<QuestionChange>> QuestionChanges::since(const QString& table,
                                                            qint64& seen) const {
    if (seen < dropped_) return std::nullopt;
    QList<QuestionChange> found;
    for (qsizetype at = seen - dropped_; at < changes_.size(); ++at)
        if (changes_[at].table == table) found.append(changes_[at]);
    seen = end();
    return found;
}
