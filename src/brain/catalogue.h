#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QString>

#include <any>
#include <functional>
#include <optional>

class Query;

// What the server's catalogue says of a table at one moment.
struct TableState {
    QString checksum;  // the live checksum; empty where the table keeps none
    QString nextKey;
    qint64 rows = 0;
    bool exactRows = false;  // the engine keeps an exact row count (Aria, MyISAM)
    // Which connection read it: a state seen over an earlier connection never matches one seen
    // now, so every copy kept under it is taken again.
    quint64 connection = 0;
    bool operator==(const TableState&) const = default;
};

// The states of the brain's tables, read in one statement instead of asking for counts table by
// table. A statement of this connection that names a table and may write it makes that table's
// state unknown until that table is read again, so nothing taken from here lags behind this
// connection's own writes. Other connections' writes are seen within a second: a state older than
// that is read again, in one statement for the tables asked about in that second, the others
// alone when they are asked.
class Catalogue {
  public:
    explicit Catalogue(Query& db) : db_(db) {}

    void read();
    // The table's state read now, whatever is known of it; nullopt when there is no such table.
    std::optional<TableState> fresh(const QString& table);
    // nullopt when the database has no such table.
    std::optional<TableState> state(const QString& table);
    // The exact row count; asks the server when the table's engine does not keep one.
    qint64 rowCount(const QString& table);
    // The query object hands over every statement that may write.
    void written(const QString& sql);
    // The query object opens a new connection: nothing known so far may still hold.
    void forget();

    // What `build` derives from the table, kept under `purpose` while the table's rows stay as
    // they were. Nothing for a table that keeps no live checksum, whose changes go unnoticed:
    // the caller then asks the server itself.
    template <typename T>
    std::optional<T> kept(const QString& table, const QString& purpose,
                          const std::function<T()>& build) {
        const std::optional<TableState> now = state(table);
        if (!now || now->checksum.isEmpty()) return std::nullopt;
        const QString key = table.toLower() + u'/' + purpose;
        const auto found = kept_.constFind(key);
        if (found != kept_.cend() && found->state == *now) return std::any_cast<T>(found->value);
        T value = build();
        // Building may have written the table; only a state that held throughout is kept.
        if (state(table) == now) kept_.insert(key, Kept{*now, value});
        return value;
    }

  private:
    struct Names {
        QSet<QString> words;
        bool changesTables = false;
    };
    static Names NamesIn(const QString& sql);
    // The state on the row the query object stands on.
    TableState stateOfRow() const;
    // The states known were read recently enough to trust for other connections' writes.
    bool upToDate() const;
    // Reads again the tables asked about since the last reading; the others become unknown.
    void refresh();

    struct Kept {
        TableState state;
        std::any value;
    };

    Query& db_;
    QHash<QString, TableState> states_;
    QSet<QString> stale_;
    QSet<QString> asked_;
    bool read_ = false;
    QElapsedTimer age_;
    QHash<QString, Kept> kept_;
    QHash<QString, Names> namesBySql_;
    quint64 connection_ = 0;
};
