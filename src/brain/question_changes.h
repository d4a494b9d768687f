#pragma once

#include "catalogue.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class Query;

// The stored columns besides the question that a lookup ranks a row by.
struct RankingColumns {
    QString category, daytime, personality;
    bool operator==(const RankingColumns&) const = default;
};

inline size_t qHash(const RankingColumns& columns, size_t seed = 0) {
    return qHashMulti(seed, columns.category, columns.daytime, columns.personality);
}

// What one write of this connection made of the stored questions of an interface table, with
// the table's states just before and just after it. A write that only changes answers or removes
// rows leaves every remaining question as it was and names nothing.
struct QuestionChange {
    QString table;
    // Rows whose question is now `question`: rows added, or rows given another question.
    QList<quint32> keys;
    QString question;
    // What the rows in `keys` hold besides, where the write knows it.
    std::optional<RankingColumns> columns;
    // Every occurrence of `from` within the questions became `to`.
    QString from, to;
    TableState before, after;
};

// This connection's own writes to the interface tables, each kept with the table's states around
// it, so that a copy of the stored questions can follow them in place instead of reading a large
// table again. A write that does not come through here still changes the table's state, and a
// copy that meets a state it cannot account for reads the table again.
class QuestionChanges {
  public:
    explicit QuestionChanges(Query& db) : db_(db) {}

    // Runs `write` and notes the table's states around it. `write` returns its affected-row
    // count and tells what became of the questions.
    qint64 record(const QString& table, const std::function<qint64(QuestionChange&)>& write);
    // A statement that leaves every remaining question of the table as it was, and what the
    // rows hold besides that a lookup ranks them by.
    qint64 keepingQuestions(const QString& table, const QString& sql, const QVariantList& params);

    // The changes to `table` after the first `seen` ones, `seen` moved past them; nullopt when
    // some of them are no longer kept.
    std::optional<QList<QuestionChange>> since(const QString& table, qint64& seen) const;
    // How many changes have been noted so far.
    qint64 end() const { return dropped_ + changes_.size(); }

  private:
    Query& db_;
    QList<QuestionChange> changes_;
    qint64 dropped_ = 0;
};
