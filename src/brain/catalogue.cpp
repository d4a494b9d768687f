#include "catalogue.h"

#include "query.h"

namespace {

// Other connections' writes are seen within this time.
constexpr qint64 kLongestTrustMs = 1000;

const char* const kStateColumns =
    "SELECT TABLE_NAME AS name, ENGINE AS engine, CHECKSUM AS live_checksum, "
    "AUTO_INCREMENT AS next_key, TABLE_ROWS AS row_count FROM information_schema.TABLES "
    "WHERE TABLE_SCHEMA = DATABASE()";

}  // namespace

TableState Catalogue::stateOfRow() const {
    const QString engine = db_.field("engine");
    return TableState{.checksum = db_.field("live_checksum"),
                      .nextKey = db_.field("next_key"),
                      .rows = db_.field("row_count").toLongLong(),
                      .exactRows = engine == "Aria" || engine == "MyISAM",
                      .connection = connection_};
}

void Catalogue::read() {
    db_.open(kStateColumns);
    states_.clear();
    stale_.clear();
    asked_.clear();
    for (db_.first(); !db_.eof(); db_.next())
        states_.insert(db_.field("name").toLower(), stateOfRow());
    read_ = true;
    age_.start();
}

// A cycle asks about a handful of the brain's tables; reading only those costs the server a
// third of reading all of them, which at a chat's pace it would do for nearly every input.
void Catalogue::refresh() {
    for (auto known = states_.cbegin(); known != states_.cend(); ++known)
        stale_.insert(known.key());
    if (!asked_.isEmpty()) {
        QStringList marks;
        QVariantList names;
        for (const QString& name : std::as_const(asked_)) {
            marks << "?";
            names << name;
            states_.remove(name);
            stale_.remove(name);
        }
        db_.open(QString(kStateColumns) + " AND TABLE_NAME IN (" + marks.join(", ") + ")", names);
        for (db_.first(); !db_.eof(); db_.next())
            states_.insert(db_.field("name").toLower(), stateOfRow());
    }
    asked_.clear();
    age_.start();
}

// One table costs the server a fraction of all of them: it opens only that one.
std::optional<TableState> Catalogue::fresh(const QString& table) {
    const QString name = table.toLower();
    if (!read_) {
        read();
        const auto found = states_.constFind(name);
        return found == states_.cend() ? std::nullopt : std::optional(*found);
    }
    stale_.remove(name);
    if (db_.open(QString(kStateColumns) + " AND TABLE_NAME = ?", {name}) == 0) {
        states_.remove(name);
        return std::nullopt;
    }
    return *states_.insert(name, stateOfRow());
}

std::optional<TableState> Catalogue::state(const QString& table) {
    const QString name = table.toLower();
    if (!read_)
        read();
    else if (!upToDate())
        refresh();
    asked_.insert(name);
    if (stale_.contains(name)) return fresh(name);
    const auto found = states_.constFind(name);
    if (found == states_.cend()) return std::nullopt;
    return *found;
}

qint64 Catalogue::rowCount(const QString& table) {
    // A table this connection wrote is counted by the engine's own count, which costs the server
    // a third of reading its state again; its state stays unknown.
    const QString name = table.toLower();
    const bool countedByEngine =
        upToDate() && stale_.contains(name) && states_.value(name).exactRows;
    if (!countedByEngine) {
        if (const std::optional<TableState> now = state(table); now && now->exactRows)
            return now->rows;
    }
    db_.open("SELECT COUNT(*) AS result FROM " + table);
    return db_.field("result").toLongLong();
}

Catalogue::Names Catalogue::NamesIn(const QString& sql) {
    // Every word of the statement that could name a table counts; naming more than is written
    // only costs a read.
    Names names;
    qsizetype start = -1;
    for (qsizetype at = 0; at <= sql.size(); ++at) {
        const bool inName = at < sql.size() && (sql[at].isLetterOrNumber() || sql[at] == u'_');
        if (inName && start < 0) start = at;
        if (inName || start < 0) continue;
        names.words.insert(sql.mid(start, at - start).toLower());
        start = -1;
    }
    // A table or database made, renamed or dropped changes which tables there are.
    names.changesTables = names.words.contains("table") || names.words.contains("database");
    return names;
}

void Catalogue::written(const QString& sql) {
    // The statements are few and come again and again; their words are found once.
    constexpr qsizetype kMostStatements = 512;
    auto names = namesBySql_.constFind(sql);
    if (names == namesBySql_.cend()) {
        if (namesBySql_.size() >= kMostStatements) namesBySql_.clear();
        names = namesBySql_.insert(sql, NamesIn(sql));
    }
    for (const QString& word : names->words)
        if (states_.contains(word)) stale_.insert(word);
    if (names->changesTables) read_ = false;
}

bool Catalogue::upToDate() const {
    return read_ && !age_.hasExpired(kLongestTrustMs);
}

void Catalogue::forget() {
    states_.clear();
    stale_.clear();
    asked_.clear();
    kept_.clear();
    read_ = false;
    ++connection_;
}
