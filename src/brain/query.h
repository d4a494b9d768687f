#pragma once

#include "catalogue.h"
#include "db_config.h"
#include "question_changes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <stdexcept>

struct st_mysql;
struct st_mysql_stmt;

// A statement the server refused, with the server's own code and message.
class DbError : public std::runtime_error {
  public:
    DbError(unsigned code, const QString& message);
    unsigned code() const { return code_; }
    QString message() const { return message_; }

  private:
    unsigned code_;
    QString message_;
};

// The server could not be reached, or the connection broke off: the statement did not run, or
// whether it ran is unknown. The server may come back.
class DbConnectionLost : public DbError {
  public:
    using DbError::DbError;
};

// A managed home reached a server that keeps its data elsewhere: another home's brain, which
// this home must neither read nor write.
class DbForeignServer : public DbError {
  public:
    explicit DbForeignServer(QString dataFolder);
    const QString& dataFolder() const { return dataFolder_; }

  private:
    QString dataFolder_;
};

// The one query object through which every statement reaches the brain. Every value is a bound
// parameter of a prepared statement; only table and column names are part of the text.
class Query {
  public:
    explicit Query(DbConfig config);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Throws DbConnectionLost when the server cannot be reached, DbForeignServer when the
    // configuration names the data folder the server must keep and it keeps another.
    void connect();
    void disconnect();
    bool isConnected() const { return connection_ != nullptr; }
    const DbConfig& config() const { return config_; }

    // Runs a SELECT and stands on its first row; returns the row count. A regular expression the
    // server rejects counts as no match (no rows).
    int open(const QString& sql, const QVariantList& params = {});
    int recordCount() const { return int(rows_.size()); }
    bool eof() const { return current_ >= rows_.size(); }
    void first() { current_ = 0; }
    void next() { ++current_; }
    // The value of `column` on the current row; NULL and a missing row read as empty text.
    QString field(const QString& column) const;
    // Runs INSERT, REPLACE, UPDATE, DELETE and the like; returns the affected-row count.
    qint64 execute(const QString& sql, const QVariantList& params = {});
    qint64 lastInsertId() const;
    // Runs a statement that the server will not prepare (EXECUTE IMMEDIATE and the like). Its
    // text carries no values: they reach it through user variables set by bound statements.
    void executeUnprepared(const QString& sql);

    // What the server's catalogue says of the brain's tables.
    Catalogue& catalogue() { return catalogue_; }
    // This connection's own writes to the stored questions.
    QuestionChanges& questionChanges() { return questionChanges_; }

    // Statements sent since start, and how many of them were run to write; the benchmarks print
    // them.
    qint64 statementCount() const { return statements_; }
    qint64 writeCount() const { return writes_; }
    // The time spent in statements since start, waiting for the server included.
    qint64 statementNanoseconds() const { return statementNs_; }

  private:
    void run(const QString& sql, const QVariantList& params, bool wantRows);
    st_mysql_stmt* prepared(const QString& sql);
    [[noreturn]] void fail(unsigned code, const QString& message);
    void forgetStatements();
    void checkDataFolder();

    DbConfig config_;
    st_mysql* connection_ = nullptr;
    QHash<QString, st_mysql_stmt*> statements_cache_;
    QStringList columns_;
    QList<QStringList> rows_;
    qsizetype current_ = 0;
    qint64 affected_ = 0;
    qint64 statements_ = 0;
    qint64 writes_ = 0;
    qint64 statementNs_ = 0;
    Catalogue catalogue_{*this};
    QuestionChanges questionChanges_{*this};
};
