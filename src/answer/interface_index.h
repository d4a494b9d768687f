#pragma once

#include "lookup_conditions.h"

#include "brain/catalogue.h"
#include "brain/question_changes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <limits>
#include <optional>

class Query;

// A row the copy names, with the lowest rank the lookup's statement could give it.
struct Candidate {
    quint32 key;
    qint64 lowestRank;
    bool operator==(const Candidate&) const = default;
};

// A copy of the stored questions of one interface table, kept to tell a lookup which rows it
// can possibly find. The mixed-word first pass and advanced data matching test every row of the
// table; handing the server only the rows named here returns the same rows from a handful. The
// server still applies the full conditions, so the copy only has to name every row they could
// find; where it cannot be sure of that, it names none and the lookup asks the whole table. It
// keeps what a lookup ranks the rows by besides, so that the lookup can ask for the best first.
class InterfaceIndex {
  public:
    // Brings the copy up to date with the table: this connection's own changes are followed in
    // place, any other change reads the table again. False when the table keeps no live
    // checksum, and so no change could be noticed.
    bool refresh(Query& db, const QString& table);
    // How often the copy has read its table whole.
    qint64 reads() const { return reads_; }
    // Every row that the mixed-word first pass (`mixedWords`) or advanced data matching (`adm`)
    // could find for the question pattern, sorted by key, each with the lowest of the ranks
    // `lowestRank` gives the ways it could be found (rows it gives kNeverFound are left out);
    // nothing when the copy cannot tell.
    using RankOf = std::function<qint64(const CandidateRow&)>;
    std::optional<QList<Candidate>> candidates(const QString& pattern, bool mixedWords, bool adm,
                                               const RankOf& lowestRank) const;

  private:
    struct Row {
        quint32 key;
        // Into `columns_`, or kUnknownColumns.
        quint32 columns;
        QString question;
    };
    static constexpr quint32 kUnknownColumns = std::numeric_limits<quint32>::max();
    // A row found by a lookup's test, and how.
    struct Hit {
        qsizetype at;
        CandidateRow::Match match;
        bool mayEqualPhrase = true;
    };
    // A row as the lists name it: its place among the rows, and its pair bits folded in half, so
    // that passing over a list reads no row.
    struct Entry {
        quint32 at;
        quint32 foldedBits;
    };
    void rebuild(Query& db, const QString& table);
    bool follow(Query& db, const QString& table, const TableState& now);
    void follow(const QuestionChange& change);
    void add(quint32 key, quint32 columns, const QString& question);
    quint32 columnsId(const RankingColumns& columns);
    bool mixedWordRows(const QString& pattern, QList<Hit>& hits) const;
    bool admRows(const QString& pattern, QList<Hit>& hits) const;

    std::optional<TableState> signature_;
    qint64 changesSeen_ = 0;
    qsizetype rowsRead_ = 0;
    qint64 reads_ = 0;
    QList<Row> rows_;
    // The few different columns the rows hold, each kept once.
    QList<RankingColumns> columns_;
    QHash<RankingColumns, quint32> columnIds_;
    // Beside the rows, so that passing over a row reads a few bytes of it.
    QList<quint64> pairBits_;
    QHash<qsizetype, QList<Entry>> byLength_;
    QHash<QStringView, QList<Entry>> byWord_;
    QHash<QStringView, QList<Entry>> byLongestWord_;
    QList<qsizetype> alwaysPatterns_;
};

// The copies of both interface tables.
class InterfaceIndexes {
  public:
    // The table's copy brought up to date, or null when the table keeps no live checksum.
    InterfaceIndex* current(Query& db, const QString& table);

  private:
    QHash<QString, InterfaceIndex> tables_;
};
